// The stars calendar's month as one picture: the same routine draws it on the screen, on
// paper and into a PDF, where its texts stay text.
#pragma once
#include <QRect>
#include <QString>
#include <vector>

#include "shell/gui/contrast.h"
#include "shell/gui/printable_dialog.h"
#include "zendary/readings/stars_calendar.h"

namespace zendary {

struct CalendarSheet {
    int month = 1;
    int year = 1900;
    std::vector<CalendarDay> days;
    int selectedDay = 0;  // 0 when the selected date lies in another month
    int markedDay = 0;    // the next good day found, 0 when none lies in this month
};

// "December 2001".
QString calendarHeading(int month, int year);

// Where the page draws a day of the month, in its logical pixels.
QRect calendarCell(int month, int year, int day);

// Every colour the calendar paints that carries meaning, with what it is painted on; the
// calendar is drawn on white paper of its own, the same under every palette.
std::vector<shell::PaintedColour> calendarColours();

// A heading, the weekday names from Sunday, and up to six weeks of days, each with its
// number and its verdict word on the verdict's colour.
shell::PaintedPage calendarPage(const CalendarSheet& sheet);

}  // namespace zendary
