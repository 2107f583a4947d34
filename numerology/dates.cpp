#include "numerology/dates.h"

#include <tuple>

namespace numerology {

bool DateBefore(const Date& a, const Date& b)
{
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

DateCheck DateRule(int month, int day, int year)
{
    if (month < 1 || month > 12 || year < 1800 || year > 2099)
        return {false, nullptr};
    if (month == 4 || month == 6 || month == 9 || month == 11) {
        if (day >= 1 && day <= 30)
            return {};
        return {false, "There are only 30 days in April, June, September, and November!\n"
                       "Please correct it and then try again!"};
    }
    if (month == 2) {
        if (year % 4 == 0) {
            if (day >= 1 && day <= 29)
                return {};
            return {false, "There are only 29 days in February!\nPlease correct it and then try again!    "};
        }
        if (day >= 1 && day <= 28)
            return {};
        return {false, "There are only 28 days in February!\nPlease correct it and then try again!    "};
    }
    if (day >= 1 && day <= 31)
        return {};
    return {false, nullptr};
}

int DaysInMonth(int month, int year)
{
    if (month == 2)
        return year % 4 == 0 ? 29 : 28;
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

Date AddDays(Date date, int offset)
{
    for (; offset > 0; --offset) {
        if (++date.day > DaysInMonth(date.month, date.year)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    for (; offset < 0; ++offset) {
        if (--date.day < 1) {
            if (--date.month < 1) {
                date.month = 12;
                --date.year;
            }
            date.day = DaysInMonth(date.month, date.year);
        }
    }
    return date;
}

const char* MonthName(int month)
{
    static const char* const names[] = {"January ", "February ", "March ",     "April ",   "May ",      "June ",
                                        "July ",    "August ",   "September ", "October ", "November ", "December "};
    if (month >= 1 && month <= 11)
        return names[month - 1];
    return names[11];
}

std::string DateText(int month, int day, int year)
{
    return MonthName(month) + std::to_string(day) + " " + std::to_string(year);
}

static std::string withSeparator(int n)
{
    return std::to_string(n) + (n > 9 ? " " : "   ");
}

std::string DateColumns(const Date& date)
{
    return withSeparator(date.month) + withSeparator(date.day) + std::to_string(date.year);
}

std::string BirthdayLines(const Date& own, const Date& mother, const Date& father, const Date& selected)
{
    return "Your Birthday\t\t" + DateColumns(own) + "\n" + "Your Mother's Birthday\t" + DateColumns(mother) + "\n" +
           "Your Father's Birthday\t" + DateColumns(father) + "\n" + "Selected Date\t\t" + DateColumns(selected);
}

}  // namespace numerology
