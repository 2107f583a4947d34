// The second person on the biorhythm chart: their curves dashed over the first person's,
// a legend line and the compatibility line under the chart.
#pragma once
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "pulsara/compatibility.h"

class QPainter;

namespace pulsara {

struct ChartPartner {
    QString name;
    Date birth;
    std::vector<std::optional<Meters>> meters;  // one per chart day
    Compatibility compatibility;
};

// The chart's canvas with the two lines the second person adds below it.
QSize pairedChartSize();

// Draws the second person onto a chart painted by paintChart, its canvas grown to
// pairedChartSize().
void paintPartner(QPainter& painter, const ChartPartner& partner, const std::vector<ChartDay>& days);

}  // namespace pulsara
