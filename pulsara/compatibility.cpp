#include "pulsara/compatibility.h"

#include <cstdlib>

#include "numerology/dates.h"

namespace pulsara {

namespace {

int roundedHalfUp(int numerator, int denominator)
{
    return (2 * numerator + denominator) / (2 * denominator);
}

}  // namespace

int CycleLength(Cycle cycle)
{
    // A cycle is an Active and a Passive half, each HalfPeriod hours long.
    return 2 * HalfPeriod(cycle) / 24;
}

int DaysApart(const Date& a, const Date& b)
{
    const Date& earlier = numerology::DateBefore(a, b) ? a : b;
    const Date& later = numerology::DateBefore(a, b) ? b : a;
    return DayCount(earlier, later) - DayCount(later, later);
}

int CyclePercent(int daysApart, int cycleLength)
{
    // 100 x |r - p/2| x 2 / p = 100 x |2r - p| / p, in whole numbers.
    // The count can put a later birthday a day or two before an earlier one (31 January
    // to 1 February counts -2); the figure is the same either way round.
    const int r = (daysApart % cycleLength + cycleLength) % cycleLength;
    return roundedHalfUp(100 * std::abs(2 * r - cycleLength), cycleLength);
}

Compatibility CompatibilityOf(const Date& a, const Date& b)
{
    const int d = DaysApart(a, b);
    Compatibility c;
    c.physical = CyclePercent(d, CycleLength(Cycle::Physical));
    c.emotional = CyclePercent(d, CycleLength(Cycle::Emotional));
    c.intellectual = CyclePercent(d, CycleLength(Cycle::Intellectual));
    c.overall = roundedHalfUp(c.physical + c.emotional + c.intellectual, 3);
    return c;
}

std::string CompatibilityLine(const std::string& name, const Compatibility& c)
{
    return "Compatibility with " + name + ": Physical " + std::to_string(c.physical) + " %, Emotional " +
           std::to_string(c.emotional) + " %, Intellectual " + std::to_string(c.intellectual) + " %, overall " +
           std::to_string(c.overall) + " %";
}

std::vector<std::optional<Meters>> PartnerMeters(const Date& birth, const std::vector<ChartDay>& days)
{
    std::vector<std::optional<Meters>> meters;
    for (const ChartDay& day : days) {
        if (numerology::DateBefore(day.date, birth))
            meters.emplace_back();
        else
            meters.emplace_back(TraditionalMeters(birth, day.date));
    }
    return meters;
}

std::string PairedChartLine(const ChartDay& day, const std::optional<Meters>& partner)
{
    std::string line = ChartLine(day) + " |";
    if (!partner)
        return line + " -";
    return line + " " + std::to_string(partner->physical) + " " + std::to_string(partner->emotional) + " " +
           std::to_string(partner->intellectual);
}

}  // namespace pulsara
