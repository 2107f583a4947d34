#include "pulsara/window/chart_painting.h"

#include <QPainter>
#include <QPainterPath>

#include "shell/gui/printable_dialog.h"

namespace pulsara {

namespace {

const char* const kCycleNames[] = {"Physical", "Emotional", "Intellectual"};

// The chart is a page of its own, white as paper, under every palette.
const QColor kPaper(Qt::white);
const QColor kInk(Qt::black);
const QColor kSelectedBand(255, 236, 170);
const QColor kQuietInk(90, 90, 90);  // "Active" and "Passive"
const QColor kTick(140, 140, 140);   // a day's mark on the axis
// The 25 and 75 lines only guide the eye; the 50 line, the values and the curves say it all.
const QColor kGuide(200, 200, 200);

QString dateText(const Date& date)
{
    return QString("%1-%2-%3").arg(date.month).arg(date.day).arg(date.year);
}

// The plot area of the canvas and the places of days and values in it.
struct Plot {
    QRectF area{48, 62, 690, 260};
    // Day slots run from kChartReach before to kChartReach after the selected date.
    double x(int slot) const { return area.left() + area.width() * slot / (2.0 * kChartReach); }
    double y(int value) const { return area.bottom() - area.height() * value / 100.0; }
};

// The slot of a day in the list: the list always ends kChartReach days after the selected
// date (only the birthday cuts it, at its start), so slots are counted back from the end.
int slotOf(const std::vector<ChartDay>& days, std::size_t index)
{
    return 2 * kChartReach - int(days.size() - 1 - index);
}

void paintLegend(QPainter& painter)
{
    painter.setFont(shell::pageFont(12));
    double x = 48;
    const double y = 42;
    for (int c = 0; c < 3; ++c) {
        painter.setPen(QPen(cycleColour(kCycles[c]), 3));
        painter.drawLine(QPointF(x, y), QPointF(x + 22, y));
        painter.setPen(kInk);
        painter.drawText(QPointF(x + 28, y + 4), kCycleNames[c]);
        x += 40 + painter.fontMetrics().horizontalAdvance(kCycleNames[c]);
    }
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(kPaper);
    painter.drawEllipse(QPointF(x + 6, y), 4.5, 4.5);
    painter.drawText(QPointF(x + 16, y + 4), "critical day (at or across 50)");
    x += 40 + painter.fontMetrics().horizontalAdvance("critical day (at or across 50)");
    painter.fillRect(QRectF(x, y - 7, 14, 14), kSelectedBand);
    painter.drawText(QPointF(x + 20, y + 4), "selected date");
}

void paintGrid(QPainter& painter, const Plot& plot)
{
    painter.setFont(shell::pageFont(11));
    for (int value = 0; value <= 100; value += 25) {
        painter.setPen(value == 50 ? QPen(kInk, 1.2) : QPen(kGuide, 0.8, Qt::DashLine));
        painter.drawLine(QPointF(plot.area.left(), plot.y(value)), QPointF(plot.area.right(), plot.y(value)));
        painter.setPen(kInk);
        painter.drawText(QRectF(0, plot.y(value) - 8, plot.area.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(value));
    }
    painter.setPen(kQuietInk);
    painter.drawText(QRectF(plot.area.right() - 120, plot.y(100) - 2, 120, 14), Qt::AlignRight, "Active");
    painter.drawText(QRectF(plot.area.right() - 120, plot.y(0) - 14, 120, 14), Qt::AlignRight, "Passive");
}

}  // namespace

QColor cycleColour(Cycle cycle)
{
    switch (cycle) {
    case Cycle::Physical: return {200, 40, 40};
    case Cycle::Emotional: return {30, 130, 60};
    case Cycle::Intellectual: break;
    }
    return {40, 70, 200};
}

QPointF chartPoint(const std::vector<ChartDay>& days, std::size_t index, int value)
{
    const Plot plot;
    return {plot.x(slotOf(days, index)), plot.y(value)};
}

QRectF chartDayArea(const std::vector<ChartDay>& days, std::size_t index)
{
    const Plot plot;
    const double half = plot.area.width() / (4.0 * kChartReach);
    const double x = plot.x(slotOf(days, index));
    return {x - half, plot.area.top(), 2 * half, plot.area.height()};
}

std::vector<shell::PaintedColour> chartColours()
{
    using shell::kGraphicContrast, shell::kTextContrast;
    std::vector<shell::PaintedColour> colours = {
        {"text", kInk, {kPaper, kSelectedBand}, kTextContrast},
        {"Active and Passive", kQuietInk, {kPaper, kSelectedBand}, kTextContrast},
        {"day mark", kTick, {kPaper}, kGraphicContrast},
    };
    for (int c = 0; c < 3; ++c)
        colours.push_back(
            {QString(kCycleNames[c]) + " curve", cycleColour(kCycles[c]), {kPaper, kSelectedBand}, kGraphicContrast});
    return colours;
}

QString chartHeading(const QString& name, const Date& birth)
{
    return "Biorhythm Chart of " + name + ", born " + dateText(birth);
}

void paintChart(QPainter& painter, const QString& heading, const std::vector<ChartDay>& days)
{
    const Plot plot;
    painter.save();
    painter.setPen(kInk);
    painter.setFont(shell::pageFont(16, true));
    painter.drawText(QRectF(0, 4, kChartSize.width(), 22), Qt::AlignHCenter | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(heading, Qt::ElideRight, kChartSize.width() - 20));
    paintLegend(painter);

    // The selected date: a band over its slot, with its date above the plot.
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (!days[i].selected)
            continue;
        const double x = plot.x(slotOf(days, i));
        painter.fillRect(QRectF(x - 9, plot.area.top(), 18, plot.area.height()), kSelectedBand);
    }
    paintGrid(painter, plot);

    // The days along the bottom: every fifth day and the selected one.
    painter.setFont(shell::pageFont(11));
    for (std::size_t i = 0; i < days.size(); ++i) {
        const int slot = slotOf(days, i);
        const double x = plot.x(slot);
        painter.setPen(kTick);
        painter.drawLine(QPointF(x, plot.area.bottom()), QPointF(x, plot.area.bottom() + 4));
        if (days[i].selected || (slot - kChartReach) % 5 == 0) {
            painter.setPen(kInk);
            painter.setFont(shell::pageFont(11, days[i].selected));
            painter.drawText(QRectF(x - 40, plot.area.bottom() + 6, 80, 14), Qt::AlignHCenter,
                             QString("%1/%2").arg(days[i].date.month).arg(days[i].date.day));
        }
    }
    for (const ChartDay& day : days)
        if (day.selected) {
            painter.setFont(shell::pageFont(12, true));
            painter.drawText(QRectF(0, plot.area.bottom() + 24, kChartSize.width(), 16), Qt::AlignHCenter,
                             "Selected date " + dateText(day.date) + ":  Physical " +
                                 QString::number(day.meters.physical) + ",  Emotional " +
                                 QString::number(day.meters.emotional) + ",  Intellectual " +
                                 QString::number(day.meters.intellectual));
        }

    // The curves, then their critical days on top.
    for (const Cycle cycle : kCycles) {
        QPainterPath curve;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const QPointF point(plot.x(slotOf(days, i)), plot.y(MeterOf(days[i].meters, cycle)));
            i == 0 ? curve.moveTo(point) : curve.lineTo(point);
        }
        painter.setPen(QPen(cycleColour(cycle), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve);
    }
    for (int c = 0; c < 3; ++c)
        for (std::size_t i = 0; i < days.size(); ++i)
            if (days[i].critical[c]) {
                painter.setPen(QPen(cycleColour(kCycles[c]), 1.8));
                painter.setBrush(kPaper);
                painter.drawEllipse(QPointF(plot.x(slotOf(days, i)), plot.y(MeterOf(days[i].meters, kCycles[c]))), 4.5,
                                    4.5);
            }
    painter.restore();
}

}  // namespace pulsara
