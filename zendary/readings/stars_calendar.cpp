#include "zendary/readings/stars_calendar.h"

#include "zendary/personal_data.h"

namespace zendary {

using numerology::Date;
using numerology::Rating;

int MonthLength(int month, int year)
{
    if (month == 2) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    if (month == 4 || month == 6 || month == 9 || month == 11)
        return 30;
    return 31;
}

int Weekday(const Date& date)
{
    // Sakamoto's method: January and February count as months of the year before.
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int y = date.month < 3 ? date.year - 1 : date.year;
    return (y + y / 4 - y / 100 + y / 400 + offsets[(date.month - 1) % 12] + date.day) % 7;
}

Rating StarsRating(const Date& date, const numerology::StarNumbers& stars)
{
    return numerology::DayRating(numerology::DayNumber(date), stars);
}

std::vector<CalendarDay> StarsMonth(int month, int year, const numerology::StarNumbers& stars)
{
    std::vector<CalendarDay> days;
    const int length = MonthLength(month, year);
    for (int day = 1; day <= length; ++day)
        days.push_back({day, StarsRating({month, day, year}, stars)});
    return days;
}

static Date dayAfter(const Date& date)
{
    // A day past the month's end (29 February 1900, which the date fields accept) also
    // goes on to the next month.
    if (date.day < MonthLength(date.month, date.year))
        return {date.month, date.day + 1, date.year};
    if (date.month < 12)
        return {date.month + 1, 1, date.year};
    return {1, 1, date.year + 1};
}

std::optional<Date> NextGoodDay(const Date& from, const numerology::StarNumbers& stars)
{
    // A date no field could give has none; a date before the first year starts the search
    // on its first day. Either way the loop runs over the years the fields accept at most.
    if (from.month < 1 || from.month > 12 || from.day < 1)
        return std::nullopt;
    Date day = from.year < kFirstYear ? Date{1, 1, kFirstYear} : dayAfter(from);
    for (; day.year <= kLastYear; day = dayAfter(day))
        if (StarsRating(day, stars) == Rating::Good)
            return day;
    return std::nullopt;
}

const char* VerdictWord(Rating rating)
{
    switch (rating) {
    case Rating::Good: return "GOOD";
    case Rating::Bad: return "BAD";
    case Rating::Normal: break;
    }
    return "NORMAL";
}

}  // namespace zendary
