#include <gtest/gtest.h>

#include <QDate>
#include <ctime>
#include <string>
#include <vector>

#include "shell/icalendar.h"

namespace icalendar_test {

using shell::iCalendarEscaped;
using shell::iCalendarFolded;
using shell::iCalendarUid;

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the text ends with CRLF";
    return lines;
}

TEST(ICalendarText, EscapesSeparatorsBackslashesAndLineBreaks)
{
    EXPECT_EQ(iCalendarEscaped("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
    // CRLF and a lone CR are one break each; a tab becomes a blank; other controls go.
    EXPECT_EQ(iCalendarEscaped("x\r\ny\rz\tw\x01."), "x\\ny\\nz w.");
    EXPECT_EQ(iCalendarEscaped("Anna L\xC3\xBC"
                               "tke"),
              "Anna L\xC3\xBC"
              "tke");
}

TEST(ICalendarText, FoldsAt75OctetsWithABlankBeforeEachContinuation)
{
    EXPECT_EQ(iCalendarFolded("SUMMARY:short"), "SUMMARY:short\r\n");
    const std::string exact(75, 'a');
    EXPECT_EQ(iCalendarFolded(exact), exact + "\r\n");
    // 160 octets: 75, then 74 after the blank, then the last 11.
    const std::string longLine(160, 'b');
    EXPECT_EQ(iCalendarFolded(longLine),
              std::string(75, 'b') + "\r\n " + std::string(74, 'b') + "\r\n " + std::string(11, 'b') + "\r\n");
}

TEST(ICalendarText, NeverSplitsAMultiByteCharacter)
{
    // "DESCRIPTION:" is 12 octets, then two-octet letters: octet 75 would be the second
    // half of the 32nd letter (12 + 2 x 31 = 74 is its first), so the first line takes 74.
    std::string line = "DESCRIPTION:";
    for (int i = 0; i < 40; ++i)
        line += "\xC3\xBC";
    const std::vector<std::string> lines = linesOf(iCalendarFolded(line));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 74u);
    EXPECT_EQ(lines[1].size(), 1u + 92 - 74);
    EXPECT_EQ(lines[1][0], ' ');
    EXPECT_EQ(lines[0] + lines[1].substr(1), line);
    // A three-octet character across the 75th octet moves whole to the next line.
    const std::string euro = std::string(73, 'e') + "\xE2\x82\xAC" + "z";
    const std::vector<std::string> split = linesOf(iCalendarFolded(euro));
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0], std::string(73, 'e'));
    EXPECT_EQ(split[1], " \xE2\x82\xAC"
                        "z");
}

TEST(ICalendarUid, IsStableAndTellsEventsApart)
{
    const QDate day(2000, 3, 1);
    const std::string uid = iCalendarUid("pulsara", day, "Critical day: Physical");
    EXPECT_EQ(uid, iCalendarUid("pulsara", day, "Critical day: Physical"));
    EXPECT_EQ(uid.rfind("20000301-", 0), 0u);
    EXPECT_EQ(uid.substr(uid.size() - 13), "@mystorin.org");
    EXPECT_NE(uid, iCalendarUid("pulsara", day, "Critical day: Emotional"));
    EXPECT_NE(uid, iCalendarUid("pulsara", day.addDays(1), "Critical day: Physical"));
    EXPECT_NE(uid, iCalendarUid("zendary", day, "Critical day: Physical"));
}

TEST(ICalendarText, WritesOneAllDayEventPerValidDay)
{
    shell::CalendarFile file{"Pulsara 2000", "tag", {2026, 12, 9, 20, 30, 5}, {}};
    file.events.push_back({QDate(2000, 2, 29), "Critical day: Physical", "Biorhythm of A, born 1-1-2000"});
    // 29 February 1900 is no day of the Gregorian calendar: left out.
    file.events.push_back({QDate(1900, 2, 29), "Critical day: Physical", ""});
    file.events.push_back({QDate(2099, 12, 31), "Good day; Stars, reading", ""});
    const std::vector<std::string> lines = linesOf(shell::iCalendarText(file));
    const std::vector<std::string> expected{
        "BEGIN:VCALENDAR",
        "VERSION:2.0",
        "PRODID:-//Mystorin//Pulsara 2000//EN",
        "CALSCALE:GREGORIAN",
        "BEGIN:VEVENT",
        "UID:" + iCalendarUid("tag", QDate(2000, 2, 29), "Critical day: Physical"),
        "DTSTAMP:20261209T203005Z",
        "DTSTART;VALUE=DATE:20000229",
        "DTEND;VALUE=DATE:20000301",
        "SUMMARY:Critical day: Physical",
        "DESCRIPTION:Biorhythm of A\\, born 1-1-2000",
        "TRANSP:TRANSPARENT",
        "END:VEVENT",
        "BEGIN:VEVENT",
        "UID:" + iCalendarUid("tag", QDate(2099, 12, 31), "Good day; Stars, reading"),
        "DTSTAMP:20261209T203005Z",
        "DTSTART;VALUE=DATE:20991231",
        "DTEND;VALUE=DATE:21000101",
        "SUMMARY:Good day\\; Stars\\, reading",
        "TRANSP:TRANSPARENT",
        "END:VEVENT",
        "END:VCALENDAR",
    };
    EXPECT_EQ(lines, expected);
}

TEST(ICalendarStamp, LocalTimeTurnsIntoUtc)
{
    // A zone two hours east of UTC, written the POSIX way so that no zone files are needed.
    const QByteArray before = qgetenv("TZ");
    qputenv("TZ", "XYZ-2");
    tzset();
    const shell::DateTime utc = shell::utcFromLocal({2026, 1, 1, 1, 30, 5});
    before.isNull() ? qunsetenv("TZ") : qputenv("TZ", before);
    tzset();
    EXPECT_EQ(utc.year, 2025);
    EXPECT_EQ(utc.month, 12);
    EXPECT_EQ(utc.day, 31);
    EXPECT_EQ(utc.hour, 23);
    EXPECT_EQ(utc.minute, 30);
    EXPECT_EQ(utc.second, 5);
}

}  // namespace icalendar_test
