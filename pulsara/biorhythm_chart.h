// The three traditional meters over the days around the selected date, as the chart draws
// them. Plain C++ on Qt Core: no windowing code.
#pragma once
#include <string>
#include <vector>

#include "pulsara/biorhythm.h"

namespace pulsara {

// The three cycles in the order the meters, the chart and its lines show them.
inline constexpr Cycle kCycles[] = {Cycle::Physical, Cycle::Emotional, Cycle::Intellectual};

// Days shown before and after the selected date.
constexpr int kChartReach = 15;

struct ChartDay {
    Date date;
    Meters meters;  // as the traditional method sets them for this day
    // A critical day of a curve: its meter stands at 50, or it went from above 50 to
    // below it, or from below to above, since the day before.
    bool critical[3] = {false, false, false};  // physical, emotional, intellectual
    bool selected = false;
};

// The days from kChartReach before to kChartReach after the selected date, in date order;
// days before the birthday are left out.
std::vector<ChartDay> ChartDays(const Date& birth, const Date& selected);

// One day of a chart: its meters and its critical days.
ChartDay ChartDayOf(const Date& birth, const Date& date);

// Days that the critical-days export lists.
constexpr int kCriticalDaysSpan = 90;

struct CriticalDay {
    Date date;
    Cycle cycle{};
    bool operator==(const CriticalDay&) const = default;
};

// The critical days of `count` days from `from` on, in date order and, within a day, in
// the order of kCycles; days before the birthday are left out.
std::vector<CriticalDay> CriticalDays(const Date& birth, const Date& from, int count);

// "Physical", "Emotional" or "Intellectual".
const char* CycleName(Cycle cycle);

// A meter of a day by its cycle.
int MeterOf(const Meters& meters, Cycle cycle);

// "M-D-YYYY P E I": the day and its three meters.
std::string ChartLine(const ChartDay& day);

}  // namespace pulsara
