// The stars calendar: every day of a month rated as the Stars reading rates the selected
// date, and the search for the next good day. Qt Core for the calendar, no windowing code.
#pragma once
#include <optional>
#include <vector>

#include "numerology/numerology.h"

namespace zendary {

struct CalendarDay {
    int day = 1;
    numerology::Rating rating = numerology::Rating::Normal;
};

// Days in the month by the Gregorian rule: 1800 and 1900 have no 29 February, 2000 has.
int MonthLength(int month, int year);

// 0 for Sunday up to 6 for Saturday (Gregorian calendar).
int Weekday(const numerology::Date& date);

// The rating the Stars reading gives a date.
numerology::Rating StarsRating(const numerology::Date& date, const numerology::StarNumbers& stars);

// Every day of the month in order, each with its rating.
std::vector<CalendarDay> StarsMonth(int month, int year, const numerology::StarNumbers& stars);

// The first good day strictly after `from`, searched day by day up to 31 December 2099,
// the last day a date field accepts; none when no good day comes before then.
std::optional<numerology::Date> NextGoodDay(const numerology::Date& from, const numerology::StarNumbers& stars);

// "GOOD", "NORMAL" or "BAD".
const char* VerdictWord(numerology::Rating rating);

}  // namespace zendary
