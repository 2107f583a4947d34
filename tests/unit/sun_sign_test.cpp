#include <gtest/gtest.h>

#include "numerology/sun_sign.h"

namespace sun_sign_test {

using namespace numerology;

TEST(SunSign, EveryMonthSplitsAtItsBoundary)
{
    struct Case {
        int month, lastDay;
        Sign early, late;
    };
    const Case cases[] = {
        {1, 20, Sign::Capricorn, Sign::Aquarius},   {2, 19, Sign::Aquarius, Sign::Pisces},
        {3, 20, Sign::Pisces, Sign::Aries},         {4, 20, Sign::Aries, Sign::Taurus},
        {5, 21, Sign::Taurus, Sign::Gemini},        {6, 21, Sign::Gemini, Sign::Cancer},
        {7, 22, Sign::Cancer, Sign::Leo},           {8, 23, Sign::Leo, Sign::Virgo},
        {9, 23, Sign::Virgo, Sign::Libra},          {10, 23, Sign::Libra, Sign::Scorpio},
        {11, 22, Sign::Scorpio, Sign::Sagittarius}, {12, 21, Sign::Sagittarius, Sign::Capricorn},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SunSign(c.month, 1), c.early) << c.month;
        EXPECT_EQ(SunSign(c.month, c.lastDay), c.early) << c.month;
        EXPECT_EQ(SunSign(c.month, c.lastDay + 1), c.late) << c.month;
        EXPECT_EQ(SunSign(c.month, 31), c.late) << c.month;
    }
}

TEST(SunSign, LeapDayIsPisces)
{
    EXPECT_EQ(SunSign(2, 29), Sign::Pisces);  // 29 February 1904
}

TEST(SunSign, MonthOutsideTheYearCountsAsDecember)
{
    EXPECT_EQ(SunSign(0, 5), Sign::Sagittarius);
    EXPECT_EQ(SunSign(13, 25), Sign::Capricorn);
}

TEST(SunSign, NamesFollowTheTableOrder)
{
    EXPECT_STREQ(SignName(Sign::Capricorn), "Capricorn");
    EXPECT_STREQ(SignName(Sign::Leo), "Leo");
    EXPECT_STREQ(SignName(Sign::Sagittarius), "Sagittarius");
}

}  // namespace sun_sign_test
