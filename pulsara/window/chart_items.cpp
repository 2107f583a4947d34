#include "pulsara/window/chart_items.h"

#include <QStringList>

#include "pulsara/window/chart_painting.h"

namespace pulsara {

shell::PictureItems chartItems(const std::vector<ChartDay>& days)
{
    static const char* const names[] = {"Physical", "Emotional", "Intellectual"};
    shell::PictureItems items{kChartSize, {}};
    for (std::size_t i = 0; i < days.size(); ++i) {
        const ChartDay& day = days[i];
        QString name = QString("%1-%2-%3:").arg(day.date.month).arg(day.date.day).arg(day.date.year);
        QStringList critical;
        for (int c = 0; c < 3; ++c) {
            name += QString(" %1 %2%3").arg(names[c]).arg(MeterOf(day.meters, kCycles[c])).arg(c < 2 ? "," : "");
            if (day.critical[c])
                critical << names[c];
        }
        if (!critical.isEmpty())
            name += "; critical: " + critical.join(", ");
        if (day.selected)
            name += "; selected date";
        items.items.push_back({name, {}, chartDayArea(days, i), day.selected, false});
    }
    return items;
}

}  // namespace pulsara
