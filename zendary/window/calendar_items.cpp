#include "zendary/window/calendar_items.h"

#include "numerology/dates.h"

namespace zendary {

shell::PictureItems calendarItems(const CalendarSheet& sheet, int focusedDay)
{
    static const char* const weekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
    shell::PictureItems items{calendarPage(sheet).size, {}};
    for (const CalendarDay& day : sheet.days) {
        QString name = QString::number(day.day) + " " + VerdictWord(day.rating);
        if (day.day == sheet.selectedDay)
            name += ", selected date";
        if (day.day == sheet.markedDay)
            name += ", next good day";
        const QString full = QString(weekdays[Weekday({sheet.month, day.day, sheet.year})]) + ", " +
                             QString::fromStdString(numerology::DateText(sheet.month, day.day, sheet.year));
        items.items.push_back({name, full, calendarCell(sheet.month, sheet.year, day.day), day.day == sheet.selectedDay,
                               day.day == focusedDay});
    }
    return items;
}

}  // namespace zendary
