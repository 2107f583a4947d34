// Readings as an iCalendar file (RFC 5545) that calendar programs import: one all-day
// event per day. Qt Core only: events in, bytes out; the caller writes them.
#pragma once
#include <QDate>
#include <string>
#include <string_view>
#include <vector>

#include "shell/seams.h"

namespace shell {

struct AllDayEvent {
    QDate date;  // a day of the Gregorian calendar; an invalid date is left out
    std::string summary;
    std::string description;  // may be empty
};

struct CalendarFile {
    std::string product;  // the program: "Pulsara 2000"
    // Goes into every event's UID with its date and summary, so that one export's events
    // keep their UIDs from one export to the next and a re-import updates them.
    std::string uidTag;
    DateTime stamp;  // when the file was made, in UTC
    std::vector<AllDayEvent> events;
};

// The whole file: CRLF line ends, lines folded at 75 octets, text escaped.
std::string iCalendarText(const CalendarFile& file);

// A text value escaped: backslash, semicolon, comma and line breaks; other control
// characters are dropped.
std::string iCalendarEscaped(std::string_view text);

// One content line folded to at most 75 octets a line (a continuation line starts with a
// blank), never inside a UTF-8 character, each piece ended by CRLF.
std::string iCalendarFolded(std::string_view line);

// The UID of an event: stable for the same tag, date and summary.
std::string iCalendarUid(const std::string& tag, const QDate& date, const std::string& summary);

// A local date and time (as the Clock seam gives it) in UTC, by the machine's time zone.
DateTime utcFromLocal(const DateTime& local);

}  // namespace shell
