#include "pulsara/biorhythm_chart.h"

#include "numerology/dates.h"

namespace pulsara {

namespace {

bool crossesFifty(int yesterday, int today)
{
    return today == 50 || (yesterday < 50 && today > 50) || (yesterday > 50 && today < 50);
}

}  // namespace

const char* CycleName(Cycle cycle)
{
    switch (cycle) {
    case Cycle::Physical: return "Physical";
    case Cycle::Emotional: return "Emotional";
    case Cycle::Intellectual: break;
    }
    return "Intellectual";
}

int MeterOf(const Meters& meters, Cycle cycle)
{
    switch (cycle) {
    case Cycle::Physical: return meters.physical;
    case Cycle::Emotional: return meters.emotional;
    case Cycle::Intellectual: break;
    }
    return meters.intellectual;
}

ChartDay ChartDayOf(const Date& birth, const Date& date)
{
    ChartDay day{date, TraditionalMeters(birth, date)};
    // The day of birth has no day before it; its own meters decide.
    const Date yesterday = numerology::AddDays(date, -1);
    const Meters previous = numerology::DateBefore(yesterday, birth) ? day.meters : TraditionalMeters(birth, yesterday);
    for (int c = 0; c < 3; ++c)
        day.critical[c] = crossesFifty(MeterOf(previous, kCycles[c]), MeterOf(day.meters, kCycles[c]));
    return day;
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
        ChartDay day = ChartDayOf(birth, date);
        day.selected = offset == 0;
        days.push_back(day);
    }
    return days;
}

std::vector<CriticalDay> CriticalDays(const Date& birth, const Date& from, int count)
{
    std::vector<CriticalDay> critical;
    if (!numerology::DateRule(from.month, from.day, from.year).ok)
        return critical;
    for (int offset = 0; offset < count; ++offset) {
        const Date date = numerology::AddDays(from, offset);
        if (numerology::DateBefore(date, birth))
            continue;
        const ChartDay day = ChartDayOf(birth, date);
        for (int c = 0; c < 3; ++c)
            if (day.critical[c])
                critical.push_back({date, kCycles[c]});
    }
    return critical;
}

std::string ChartLine(const ChartDay& day)
{
    const Date& d = day.date;
    return std::to_string(d.month) + "-" + std::to_string(d.day) + "-" + std::to_string(d.year) + " " +
           std::to_string(day.meters.physical) + " " + std::to_string(day.meters.emotional) + " " +
           std::to_string(day.meters.intellectual);
}

}  // namespace pulsara
