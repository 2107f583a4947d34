#include "pair/pair_rules.h"

#include <cstdlib>

namespace pairing {

using numerology::BirthdayDigit;
using numerology::DateDigit;
using numerology::LetterSum;

PairDigits ComputePairDigits(const Date& one, const Date& two)
{
    PairDigits d;
    d.first = BirthdayDigit(one.month, one.day, one.year);
    d.second = BirthdayDigit(two.month, two.day, two.year);
    d.sum = DateDigit(d.first + d.second);
    d.difference = DateDigit(std::abs(d.first - d.second));
    return d;
}

PairDigits ComputePairDigits(const PairRecord& record)
{
    return ComputePairDigits(record.one.birthday, record.two.birthday);
}

int PairCountdown(int n, const PairDigits& d)
{
    const int rotation[] = {d.sum, d.first, d.second, d.difference};
    const int perRound = d.sum + d.first + d.second + d.difference;
    // A whole round that stays above 9 cannot meet a digit: skip such rounds at once.
    if (perRound > 0 && n > 9 + perRound)
        n -= (n - 10) / perRound * perRound;
    for (int step = 0;; step = (step + 1) % 4) {
        if (n < 1 || n == d.first || n == d.second || n == d.sum || n == d.difference)
            return n;
        if (perRound <= 0)
            return n;  // digits outside their ranges: nothing would ever change
        n -= rotation[step];
    }
}

int CoupleType(const PairRecord& r)
{
    const bool oneMale = r.one.male != r.two.male;
    if (r.one.single && r.two.single && oneMale)
        return 3;
    if (!r.one.single && !r.two.single && oneMale)
        return 2;
    return 1;
}

int PairNumber(const PairRecord& r)
{
    int n = 0;
    for (const Individual* person : {&r.one, &r.two})
        n += LetterSum(person->firstName) + LetterSum(person->lastName) + LetterSum(person->hair) +
             LetterSum(person->eyes);
    if (r.one.pets && r.two.pets)
        n += 3;
    return n;
}

int SelectedDateDigit(const Date& selected)
{
    return numerology::DayNumber(selected);
}

const char* ForecastRange(int start, const PairDigits& d)
{
    const int n = PairCountdown(start, d);
    if (n == d.first || n == d.second)
        return "50 - 75%";
    if (n == d.sum)
        return "75 - 99%";
    if (n == d.difference)
        return "10 - 30%";
    return "30 - 50%";
}

const char* ActivityForecast(const PairRecord& r)
{
    const int start = SelectedDateDigit(r.selected) + CoupleType(r) + PairNumber(r) + LetterSum(r.activity);
    return ForecastRange(start, ComputePairDigits(r));
}

const char* ReportForecast(const PairRecord& r)
{
    const int start = SelectedDateDigit(r.selected) + PairNumber(r) + LetterSum(r.activity);
    return ForecastRange(start, ComputePairDigits(r));
}

}  // namespace pairing
