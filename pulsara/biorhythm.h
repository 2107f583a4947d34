// The two ways of filling the three biorhythm meters. Plain C++, no windowing code.
#pragma once
#include <string_view>

#include "numerology/numerology.h"

namespace pulsara {

using numerology::Date;

struct Meters {
    int physical = 0;
    int emotional = 0;
    int intellectual = 0;
    bool operator==(const Meters&) const = default;
};

enum class Cycle { Physical, Emotional, Intellectual };

// Days from the birthday to the selected date by the program's own count: 30-day months
// corrected per month, and one day for every year of the span divisible by four.
int DayCount(const Date& birth, const Date& selected);

// Half a cycle in hours: 276, 336 or 396.
int HalfPeriod(Cycle cycle);

// One meter for `hours` (> 0) lived: Active or Passive half, then the position in it.
int MeterValue(Cycle cycle, int hours);

// The traditional method: all three meters from the day count.
Meters TraditionalMeters(const Date& birth, const Date& selected);

// The year-digit rule over month + day + year, its centuries continued
// to the end of the 2400s.
int DateSumDigit(const Date& date);

// The numerology-and-astrology method from the name, colour word, number and dates.
Meters NumerologyMeters(std::string_view name, std::string_view colour, int number, const Date& birth,
                        const Date& selected);

}  // namespace pulsara
