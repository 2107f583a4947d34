// Two people's biorhythms side by side: how far apart their cycles run, and the second
// person's meters over the chart's days. Plain C++: no windowing code.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "pulsara/biorhythm_chart.h"

namespace pulsara {

// A cycle's length in days: 23, 28 or 33.
int CycleLength(Cycle cycle);

// The days by which the two people's curves stand apart: the difference of their day
// counts on any day after both birthdays. The day count adds a year's leap day from its
// 1 January on, so this is the count from the earlier birthday to the later one less the
// later birthday's own count (1 in a year divisible by four, else 0).
int DaysApart(const Date& a, const Date& b);

// 100 x |(d mod p) - p/2| x 2 / p, rounded half up: 100 when the cycles run in step,
// 0 when they run opposite, linear between.
int CyclePercent(int daysApart, int cycleLength);

struct Compatibility {
    int physical = 0;
    int emotional = 0;
    int intellectual = 0;
    int overall = 0;  // the average of the three figures, rounded half up
    bool operator==(const Compatibility&) const = default;
};

Compatibility CompatibilityOf(const Date& a, const Date& b);

// "Compatibility with NAME: Physical 57 %, Emotional 100 %, Intellectual 70 %, overall 76 %".
std::string CompatibilityLine(const std::string& name, const Compatibility& c);

// The second person's meters on each of the chart's days; none before their birthday.
std::vector<std::optional<Meters>> PartnerMeters(const Date& birth, const std::vector<ChartDay>& days);

// A chart line with the second person's meters after a bar: "3-1-2001 50 50 50 | 60 57 56",
// or "| -" on a day before their birthday.
std::string PairedChartLine(const ChartDay& day, const std::optional<Meters>& partner);

}  // namespace pulsara
