#include "zendary/window/stars_calendar_page.h"

#include <QPainter>

#include "numerology/dates.h"

namespace zendary {

namespace {

// The canvas in logical pixels: seven columns, a heading, the weekday row and six weeks,
// the most a month can span, and one pixel more for the last lines of the grid.
constexpr int kCellWidth = 100;
constexpr int kCellHeight = 52;
constexpr int kHeadingHeight = 44;
constexpr int kWeekdayHeight = 24;
constexpr int kGridTop = kHeadingHeight + kWeekdayHeight;
constexpr QSize kPageSize(7 * kCellWidth + 1, kGridTop + 6 * kCellHeight + 1);

// The calendar is a page of its own, white as paper, under every palette.
const QColor kPaper(Qt::white);
const QColor kInk(Qt::black);
// Dark enough to part two days of the same verdict.
const QColor kCellLine(105, 105, 105);
const QColor kSelectedMark(20, 20, 20);
const QColor kFoundMark(30, 70, 190);

QColor verdictColour(numerology::Rating rating)
{
    switch (rating) {
    case numerology::Rating::Good: return QColor(196, 234, 196);
    case numerology::Rating::Bad: return QColor(244, 196, 196);
    case numerology::Rating::Normal: break;
    }
    return QColor(238, 238, 232);
}

// A frame inside the cell with a word in its top right corner, so that the mark does not
// rest on colour alone. The selected date and the next good day never share a cell.
void drawMark(QPainter& painter, const QRect& cell, const QColor& colour, const QString& word)
{
    painter.setPen(QPen(colour, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(3, 3, -3, -3));
    painter.setFont(shell::pageFont(11, true));
    painter.drawText(cell.adjusted(0, 6, -8, 0), Qt::AlignTop | Qt::AlignRight, word);
}

void paintSheet(QPainter& painter, const CalendarSheet& sheet)
{
    painter.fillRect(QRect(QPoint(0, 0), kPageSize), kPaper);
    painter.setPen(kInk);
    painter.setFont(shell::pageFont(26, true));
    painter.drawText(QRect(0, 0, kPageSize.width(), kHeadingHeight), Qt::AlignCenter,
                     calendarHeading(sheet.month, sheet.year));
    static const char* const weekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    painter.setFont(shell::pageFont(15, true));
    for (int column = 0; column < 7; ++column)
        painter.drawText(QRect(column * kCellWidth, kHeadingHeight, kCellWidth, kWeekdayHeight), Qt::AlignCenter,
                         weekdays[column]);
    for (const CalendarDay& day : sheet.days) {
        const QRect cell = calendarCell(sheet.month, sheet.year, day.day);
        painter.setPen(kCellLine);
        painter.setBrush(verdictColour(day.rating));
        painter.drawRect(cell);
        if (day.day == sheet.selectedDay)
            drawMark(painter, cell, kSelectedMark, "selected");
        if (day.day == sheet.markedDay)
            drawMark(painter, cell, kFoundMark, "next good");
        painter.setPen(kInk);
        painter.setFont(shell::pageFont(15, true));
        painter.drawText(cell.adjusted(10, 6, 0, 0), Qt::AlignTop | Qt::AlignLeft, QString::number(day.day));
        painter.setFont(shell::pageFont(16));
        painter.drawText(cell.adjusted(0, 16, 0, 0), Qt::AlignCenter, VerdictWord(day.rating));
    }
}

}  // namespace

QString calendarHeading(int month, int year)
{
    return QString::fromLatin1(numerology::MonthName(month)) + QString::number(year);
}

QRect calendarCell(int month, int year, int day)
{
    const int slot = Weekday({month, 1, year}) + day - 1;
    return {slot % 7 * kCellWidth, kGridTop + slot / 7 * kCellHeight, kCellWidth, kCellHeight};
}

std::vector<shell::PaintedColour> calendarColours()
{
    using shell::kGraphicContrast, shell::kTextContrast;
    const std::vector<QColor> grounds = {verdictColour(numerology::Rating::Good),
                                         verdictColour(numerology::Rating::Normal),
                                         verdictColour(numerology::Rating::Bad)};
    std::vector<QColor> withPaper = grounds;
    withPaper.push_back(kPaper);
    return {
        {"text", kInk, withPaper, kTextContrast},
        {"line between days", kCellLine, withPaper, kGraphicContrast},
        {"selected date", kSelectedMark, grounds, kTextContrast},
        {"next good day", kFoundMark, grounds, kTextContrast},
    };
}

shell::PaintedPage calendarPage(const CalendarSheet& sheet)
{
    return {kPageSize, [sheet](QPainter& painter) { paintSheet(painter, sheet); }};
}

}  // namespace zendary
