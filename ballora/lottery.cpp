#include "ballora/lottery.h"

#include <cstdlib>

namespace ballora {

using numerology::DateDigit;
using numerology::LetterSum;

int LotteryYearDigit(int n)
{
    if (n < kFirstCenturyYear || n > kLastYear)
        return 1;
    return (n % 100) % 9 + 1;
}

int DayValue(const Date& s)
{
    int d = LotteryYearDigit(s.month + s.day + s.year);
    switch (s.day) {
    case 1: return d + 2;
    case 4: return d + 1;
    case 5: return d + 8;
    case 7: return d + 5;
    case 11: return d + 3;
    case 14: return d + 4;
    case 18: return std::abs(d - 3);
    case 19: return d + 1;
    case 23: return std::abs(d - 9);
    case 24: return d + 7;
    case 28: return std::abs(d - 4);
    case 30: return d + 5;
    case 31: return std::abs(d - 7);
    default: return d;
    }
}

int Cap(int n, int ceiling, int maxNumber)
{
    // Done by arithmetic rather than a subtraction loop, so that no input can make it slow.
    if (n >= maxNumber)
        n -= ((n - maxNumber) / 10 + 1) * 10;
    if (n >= ceiling)
        n -= ((n - ceiling) / 10 + 1) * 10;
    return n == 0 ? 1 : n;
}

LotteryResult LotteryNumbers(const LotteryInputs& in)
{
    LotteryResult r;
    int d = DayValue(in.selected);
    int t = LotteryYearDigit(in.birthday.year) + DateDigit(in.birthday.day) + DateDigit(in.birthday.month) +
            LetterSum(in.last) + LetterSum(in.middle) + LetterSum(in.first) + d;
    if (in.selected.month % 2 == 1) {
        d += 3;
        t += 7;
    }
    const int m = in.maxNumber;
    r.total = t;
    r.dayValue = d;
    r.numbers = {Cap(t / 2 + d + 1, 10, m), Cap(t / 3 + d + 4, 20, m), Cap(t / 2 + d + 3, 30, m),
                 Cap(t / 3 + d + 6, 40, m), Cap(t / 2 + d + 2, 50, m), Cap(t / 3 + d + 5, 30, m)};
    return r;
}

}  // namespace ballora
