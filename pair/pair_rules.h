// The number rules of the pair readings: the four birthday digits, the countdown that
// picks a reading, the couple type and the forecast ranges.
#pragma once
#include <string_view>

#include "pair/pair_record.h"

namespace pairing {

struct PairDigits {
    int first = 0;       // BirthdayDigit of the first person, 1-9
    int second = 0;      // BirthdayDigit of the second person, 1-9
    int sum = 0;         // DateDigit of first + second, 1-9
    int difference = 0;  // |first - second|, 0-8
    bool operator==(const PairDigits&) const = default;
};

PairDigits ComputePairDigits(const Date& one, const Date& two);
PairDigits ComputePairDigits(const PairRecord& record);

// Counts down from `n`, subtracting sum, first, second, difference in turn, until the
// number meets one of the digits or drops below 1; returns where it stopped.
int PairCountdown(int n, const PairDigits& d);

// 3: both single, exactly one male; 2: both married, exactly one male; 1 otherwise.
int CoupleType(const PairRecord& record);

// Letter sums of both names, hair and eyes, plus 3 when both have pets.
int PairNumber(const PairRecord& record);

// The selected date's digit: DateDigit of the month's and day's digits plus the year digit.
int SelectedDateDigit(const Date& selected);

// The range a countdown from `start` lands in: "10 - 30%" ... "75 - 99%".
const char* ForecastRange(int start, const PairDigits& digits);

// The Reading button's range (with the couple type) and the report's (without it).
const char* ActivityForecast(const PairRecord& record);
const char* ReportForecast(const PairRecord& record);

}  // namespace pairing
