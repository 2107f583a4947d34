// Date checks and date texts shared by the readings; free of windowing code.
#pragma once
#include <string>

#include "numerology/numerology.h"

namespace numerology {

struct DateCheck {
    bool ok = true;
    const char* message = nullptr;  // null when the failure has no message of its own
};

// Whether `a` comes before `b` in the calendar (year, then month, then day).
bool DateBefore(const Date& a, const Date& b);

// Day-of-month rule; every year divisible by four counts as a leap year.
DateCheck DateRule(int month, int day, int year);

// Days in a month by the same rule: February has 29 days in every year divisible by four.
int DaysInMonth(int month, int year);

// The day `offset` days after (or, when negative, before) `date` in that calendar, so
// that 29 February 1900 lies between 28 February and 1 March.
Date AddDays(Date date, int offset);

// "January " ... "December " (any month outside 1-11 gives "December ").
const char* MonthName(int month);

// Month name, day, one space, year: "December 25 2000".
std::string DateText(int month, int day, int year);

// Month, day and year, each followed by one space after a number above 9 and
// three spaces after a one-digit number; the year has no separator after it.
std::string DateColumns(const Date& date);

// The four-line block of the full confirmation form.
std::string BirthdayLines(const Date& own, const Date& mother, const Date& father, const Date& selected);

}  // namespace numerology
