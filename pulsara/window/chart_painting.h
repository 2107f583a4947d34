// The one routine that draws the biorhythm chart, for the screen and for every copy.
#pragma once
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

#include "pulsara/biorhythm_chart.h"
#include "shell/gui/contrast.h"

class QPainter;

namespace pulsara {

// The chart's canvas in logical pixels.
inline constexpr QSize kChartSize(760, 380);

// The colour of a cycle: its curve on the chart and its meter in the main window.
QColor cycleColour(Cycle cycle);

// Where the chart draws day `index` of `days`: its column of the plot.
QRectF chartDayArea(const std::vector<ChartDay>& days, std::size_t index);

// Every colour the chart paints that carries meaning, with what it is painted on. The
// chart is drawn on white paper of its own, so these are the same under every palette.
std::vector<shell::PaintedColour> chartColours();

// "Biorhythm Chart of NAME, born M-D-YYYY".
QString chartHeading(const QString& name, const Date& birth);

// Where a day's value stands on the chart: the day by its place in `days`.
QPointF chartPoint(const std::vector<ChartDay>& days, std::size_t index, int value);

// Draws the three curves, the 50 line, the selected date, the critical days and the
// legend on a canvas of kChartSize.
void paintChart(QPainter& painter, const QString& heading, const std::vector<ChartDay>& days);

}  // namespace pulsara
