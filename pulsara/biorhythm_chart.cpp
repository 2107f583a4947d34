#include "pulsara/biorhythm_chart.h"

#include "numerology/dates.h"

namespace pulsara {

namespace {

bool crossesFifty(int yesterday, int today)
{
    return today == 50 || (yesterday < 50 && today > 50) || (yesterday > 50 && today < 50);
}

}  // namespace

int MeterOf(const Meters& meters, Cycle cycle)
{
    switch (cycle) {
    case Cycle::Physical: return meters.physical;
    case Cycle::Emotional: return meters.emotional;
    case Cycle::Intellectual: break;
    }
    return meters.intellectual;
}

std::vector<ChartDay> ChartDays(const Date& birth, const Date& selected)
{
    std::vector<ChartDay> days;
    // The suite's own calendar, the one the date fields and TM use: 1900 has a 29 February.
    if (!numerology::DateRule(selected.month, selected.day, selected.year).ok)
        return days;
    for (int offset = -kChartReach; offset <= kChartReach; ++offset) {
        const Date date = numerology::AddDays(selected, offset);
        if (numerology::DateBefore(date, birth))
            continue;
        ChartDay day{date, TraditionalMeters(birth, date)};
        day.selected = offset == 0;
        // The first day shown has no day before it on the chart; its own yesterday decides.
        const Date yesterday = numerology::AddDays(selected, offset - 1);
        const Meters previous =
            numerology::DateBefore(yesterday, birth) ? day.meters : TraditionalMeters(birth, yesterday);
        for (int c = 0; c < 3; ++c)
            day.critical[c] = crossesFifty(MeterOf(previous, kCycles[c]), MeterOf(day.meters, kCycles[c]));
        days.push_back(day);
    }
    return days;
}

std::string ChartLine(const ChartDay& day)
{
    const Date& d = day.date;
    return std::to_string(d.month) + "-" + std::to_string(d.day) + "-" + std::to_string(d.year) + " " +
           std::to_string(day.meters.physical) + " " + std::to_string(day.meters.emotional) + " " +
           std::to_string(day.meters.intellectual);
}

}  // namespace pulsara
