#include "zendary/readings/stars_calendar.h"

#include <QDate>

#include "zendary/personal_data.h"

namespace zendary {

using numerology::Date;
using numerology::Rating;

int MonthLength(int month, int year)
{
    return QDate(year, month, 1).daysInMonth();
}

int Weekday(const Date& date)
{
    return QDate(date.year, date.month, date.day).dayOfWeek() % 7;  // Qt counts Sunday as 7
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
