#include "numerology/sun_sign.h"

namespace numerology {

namespace {

// Each month splits in two: up to and including `lastDay` the first sign, after it the next.
struct MonthSplit {
    int lastDay;
    Sign early;
    Sign late;
};

constexpr MonthSplit kMonths[12] = {
    {20, Sign::Capricorn, Sign::Aquarius},  {19, Sign::Aquarius, Sign::Pisces},
    {20, Sign::Pisces, Sign::Aries},        {20, Sign::Aries, Sign::Taurus},
    {21, Sign::Taurus, Sign::Gemini},       {21, Sign::Gemini, Sign::Cancer},
    {22, Sign::Cancer, Sign::Leo},          {23, Sign::Leo, Sign::Virgo},
    {23, Sign::Virgo, Sign::Libra},         {23, Sign::Libra, Sign::Scorpio},
    {22, Sign::Scorpio, Sign::Sagittarius}, {21, Sign::Sagittarius, Sign::Capricorn},
};

}  // namespace

Sign SunSign(int month, int day)
{
    const MonthSplit& split = kMonths[(month >= 1 && month <= 12) ? month - 1 : 11];
    return day <= split.lastDay ? split.early : split.late;
}

const char* SignName(Sign sign)
{
    static const char* const names[kSignCount] = {"Capricorn", "Aquarius", "Pisces", "Aries", "Taurus",  "Gemini",
                                                  "Cancer",    "Leo",      "Virgo",  "Libra", "Scorpio", "Sagittarius"};
    const int index = static_cast<int>(sign);
    return (index >= 0 && index < kSignCount) ? names[index] : names[0];
}

}  // namespace numerology
