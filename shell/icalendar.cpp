#include "shell/icalendar.h"

#include <QCryptographicHash>
#include <QDateTime>

namespace shell {

namespace {

constexpr std::size_t kLongestICalendarLine = 75;

std::string iCalendarDate(const QDate& date)
{
    return date.toString("yyyyMMdd").toStdString();
}

std::string iCalendarStamp(const DateTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return text;
}

// A UTF-8 continuation byte: never the first byte of a folded piece.
bool continuesCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string iCalendarEscaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case ';': out += "\\;"; break;
        case ',': out += "\\,"; break;
        case '\n': out += "\\n"; break;
        case '\r':
            // CRLF and a lone CR are one line break each.
            if (i + 1 >= text.size() || text[i + 1] != '\n')
                out += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
                out += c;
            else if (c == '\t')
                out += ' ';
        }
    }
    return out;
}

std::string iCalendarFolded(std::string_view line)
{
    std::string out;
    std::size_t room = kLongestICalendarLine;  // the first piece has no leading blank
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && continuesCharacter(line[cut]))
            --cut;
        out.append(line.substr(0, cut)).append("\r\n ");
        line.remove_prefix(cut);
        room = kLongestICalendarLine - 1;
    }
    return out.append(line).append("\r\n");
}

std::string iCalendarUid(const std::string& tag, const QDate& date, const std::string& summary)
{
    const QByteArray key = QByteArray::fromStdString(tag + "\n" + iCalendarDate(date) + "\n" + summary);
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24);
    return iCalendarDate(date) + "-" + hash.toStdString() + "@mystorin.org";
}

DateTime utcFromLocal(const DateTime& local)
{
    const QDateTime here(QDate(local.year, local.month, local.day), QTime(local.hour, local.minute, local.second),
                         Qt::LocalTime);
    const QDateTime utc = here.isValid() ? here.toUTC() : here;
    if (!utc.isValid())
        return local;
    return {utc.date().year(), utc.date().month(),  utc.date().day(),
            utc.time().hour(), utc.time().minute(), utc.time().second()};
}

std::string iCalendarText(const CalendarFile& file)
{
    std::string out;
    const auto line = [&out](const std::string& text) { out += iCalendarFolded(text); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//Mystorin//" + iCalendarEscaped(file.product) + "//EN");
    line("CALSCALE:GREGORIAN");
    const std::string stamp = iCalendarStamp(file.stamp);
    for (const AllDayEvent& event : file.events) {
        if (!event.date.isValid())
            continue;
        line("BEGIN:VEVENT");
        line("UID:" + iCalendarUid(file.uidTag, event.date, event.summary));
        line("DTSTAMP:" + stamp);
        line("DTSTART;VALUE=DATE:" + iCalendarDate(event.date));
        line("DTEND;VALUE=DATE:" + iCalendarDate(event.date.addDays(1)));
        line("SUMMARY:" + iCalendarEscaped(event.summary));
        if (!event.description.empty())
            line("DESCRIPTION:" + iCalendarEscaped(event.description));
        // A reading does not make the user busy.
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    return out;
}

}  // namespace shell
