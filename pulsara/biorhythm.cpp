#include "pulsara/biorhythm.h"

#include <algorithm>
#include <span>

namespace pulsara {

namespace {

// V(m) of the day count: the 30-day months up to m, less two from February on.
int monthCorrection(int month)
{
    int value = 0;
    for (int shortMonth : {4, 6, 9, 11})
        value += shortMonth <= month ? 1 : 0;
    return month >= 2 ? value - 2 : value;
}

int yearsDivisibleByFour(int from, int to)
{
    int count = 0;
    for (int year = from; year <= to; ++year)
        count += year % 4 == 0 ? 1 : 0;
    return count;
}

// One column of a meter's table: positions up to `last` hours read `active` or `passive`.
struct Column {
    int last;
    int active;
    int passive;
};

constexpr Column kPhysical[] = {{0, 50, 50},   {24, 60, 40},  {48, 70, 30},  {72, 80, 20},  {96, 90, 10}, {144, 100, 1},
                                {168, 90, 10}, {192, 80, 20}, {216, 70, 30}, {240, 60, 40}, {276, 50, 50}};

constexpr Column kEmotional[] = {{0, 50, 49},   {24, 57, 42},  {48, 64, 35},  {72, 71, 28},  {96, 78, 21},
                                 {120, 85, 14}, {144, 93, 7},  {168, 100, 1}, {192, 93, 7},  {216, 85, 14},
                                 {240, 78, 21}, {264, 71, 28}, {288, 64, 35}, {312, 57, 42}, {336, 50, 49}};

constexpr Column kIntellectual[] = {{0, 50, 50},   {24, 56, 44},  {48, 62, 38},  {72, 68, 31},  {96, 74, 24},
                                    {120, 80, 18}, {144, 86, 12}, {168, 93, 6},  {198, 100, 1}, {216, 93, 1},
                                    {240, 86, 12}, {264, 80, 18}, {288, 74, 24}, {312, 68, 31}, {336, 62, 38},
                                    {360, 56, 44}, {396, 50, 50}};

std::span<const Column> table(Cycle cycle)
{
    switch (cycle) {
    case Cycle::Physical: return kPhysical;
    case Cycle::Emotional: return kEmotional;
    case Cycle::Intellectual: break;
    }
    return kIntellectual;
}

// The base plus the digit, less the digit while above 10, as a meter of 0-100.
int reduced(int base, int digit)
{
    int v = base + digit;
    while (digit > 0 && v > 10)
        v -= digit;
    return 10 * v;
}

}  // namespace

int DayCount(const Date& birth, const Date& selected)
{
    return 365 * (selected.year - birth.year) + yearsDivisibleByFour(birth.year, selected.year) +
           30 * (selected.month - birth.month) + monthCorrection(selected.month) - monthCorrection(birth.month) +
           selected.day - birth.day;
}

int HalfPeriod(Cycle cycle)
{
    return table(cycle).back().last;
}

int MeterValue(Cycle cycle, int hours)
{
    const int period = HalfPeriod(cycle);
    const bool active = (hours / period) % 2 == 0;
    const int position = hours <= period ? hours : hours % period;
    for (const Column& column : table(cycle))
        if (position <= column.last)
            return active ? column.active : column.passive;
    return 50;  // not reached: a position never exceeds the half period
}

Meters TraditionalMeters(const Date& birth, const Date& selected)
{
    // The count gives the birthday itself one day in a year divisible by four, and early in
    // the year it can fall below zero for a date just after the birthday (31 January to
    // 1 February counts -2): both are read as the day of birth.
    const int days = DayCount(birth, selected);
    if (days <= 0 || selected == birth)
        return {50, 50, 50};
    const int hours = 24 * days;
    return {MeterValue(Cycle::Physical, hours), MeterValue(Cycle::Emotional, hours),
            MeterValue(Cycle::Intellectual, hours)};
}

int DateSumDigit(const Date& date)
{
    const long long sum = static_cast<long long>(date.month) + date.day + date.year;
    // In the centuries from the 1800s to the 2400s the offset is the sum's last two digits.
    if (const long long century = sum / 100; sum >= 0 && century >= 18 && century <= 24)
        return static_cast<int>(sum % 100 % 9 + 1);
    // Elsewhere the plain year rule: its own digit for 0-99, else 0.
    return numerology::YearDigit(static_cast<int>(std::clamp<long long>(sum, -1, 100)));
}

Meters NumerologyMeters(std::string_view name, std::string_view colour, int number, const Date& birth,
                        const Date& selected)
{
    const int base = numerology::LetterSum(name) + numerology::LetterSum(colour) + number;
    const int birthDigit = DateSumDigit(birth);
    const int selectedDigit = DateSumDigit(selected);
    return {reduced(base, birthDigit), reduced(base, selectedDigit), reduced(base + birthDigit, selectedDigit)};
}

}  // namespace pulsara
