// The stars calendar's month as a screen reader reads it: one item a day.
#pragma once
#include "shell/gui/picture_items.h"
#include "zendary/window/stars_calendar_page.h"

namespace zendary {

// "12 GOOD", with "selected date" or "next good day" added for the marked days; the
// selected date is the item selected, `focusedDay` the one the keyboard is on. The
// description names the day in full: "Wednesday, December 12 2001".
shell::PictureItems calendarItems(const CalendarSheet& sheet, int focusedDay);

}  // namespace zendary
