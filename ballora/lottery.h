// The lottery number rules: plain integer arithmetic over the inputs, no windows.
#pragma once
#include <array>
#include <string>

#include "numerology/numerology.h"

namespace ballora {

using numerology::Date;

// The years the program's dates may have.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2099;
// The first year of the three centuries the lottery year digit knows.
inline constexpr int kFirstCenturyYear = 1800;

// What one calculation needs.
struct LotteryInputs {
    Date birthday{1, 1, kFirstYear};
    std::string first, middle, last;
    Date selected;
    int maxNumber = 50;  // 10, 20, 30, 40 or 50
};

// The working values and the six numbers of one calculation.
struct LotteryResult {
    int total = 0;     // T
    int dayValue = 0;  // D
    std::array<int, 6> numbers{1, 1, 1, 1, 1, 1};
};

// The digit 1-9 of a year's offset in its century, for the three centuries from
// kFirstCenturyYear to kLastYear only; 1 for anything else.
int LotteryYearDigit(int n);

// D before the odd-month rule: the year digit of the date's sum, changed by the day.
int DayValue(const Date& selected);

// Takes tens off n until it is below the max number and then below its own ceiling;
// 0 becomes 1.
int Cap(int n, int ceiling, int maxNumber);

LotteryResult LotteryNumbers(const LotteryInputs& in);

}  // namespace ballora
