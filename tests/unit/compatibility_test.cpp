#include <gtest/gtest.h>

#include <vector>

#include "pulsara/compatibility.h"

namespace compatibility_test {

using namespace pulsara;

TEST(CyclePercent, InStepIsAHundredOppositeIsNothingLinearBetween)
{
    EXPECT_EQ(CycleLength(Cycle::Physical), 23);
    EXPECT_EQ(CycleLength(Cycle::Emotional), 28);
    EXPECT_EQ(CycleLength(Cycle::Intellectual), 33);
    EXPECT_EQ(CyclePercent(0, 23), 100);
    EXPECT_EQ(CyclePercent(56, 28), 100);
    EXPECT_EQ(CyclePercent(14, 28), 0);
    EXPECT_EQ(CyclePercent(42, 28), 0);
    EXPECT_EQ(CyclePercent(7, 28), 50);
    EXPECT_EQ(CyclePercent(21, 28), 50);
    // Odd cycles are never exactly opposite in whole days: 11 and 12 days of 23 give
    // 100 x 1 / 23 = 4.35.
    EXPECT_EQ(CyclePercent(11, 23), 4);
    EXPECT_EQ(CyclePercent(12, 23), 4);
    EXPECT_EQ(CyclePercent(16, 33), 3);
}

TEST(CyclePercent, RoundsHalfUp)
{
    // 100 x |2 - 28| / 28 = 92.86 up; 100 x |26 - 28| / 28 = 7.14 down; 100 x 13 / 23 =
    // 56.52 up; 100 x 23 / 33 = 69.70 up; 100 x 5 / 33 = 15.15 down. No cycle length
    // gives a remainder of exactly one half: 23 and 33 are odd, and 28's figures are
    // 50 x k / 7, whole only for k = 0, 7, 14.
    EXPECT_EQ(CyclePercent(1, 28), 93);
    EXPECT_EQ(CyclePercent(13, 28), 7);
    EXPECT_EQ(CyclePercent(5, 23), 57);
    EXPECT_EQ(CyclePercent(28, 33), 70);
    EXPECT_EQ(CyclePercent(14, 33), 15);
}

TEST(CyclePercent, ACountThatPutsTheLaterBirthdayFirstGivesTheSameFigure)
{
    EXPECT_EQ(CyclePercent(-2, 28), CyclePercent(2, 28));
    EXPECT_EQ(CyclePercent(-2, 28), 86);  // 100 x |52 - 28| / 28 = 85.71
    EXPECT_EQ(CyclePercent(-23, 23), 100);
}

TEST(DaysApart, IsTheDistanceOfTheTwoCurves)
{
    EXPECT_EQ(DaysApart({3, 1, 2001}, {3, 29, 2001}), 28);
    EXPECT_EQ(DaysApart({3, 29, 2001}, {3, 1, 2001}), 28);
    EXPECT_EQ(DaysApart({3, 1, 2001}, {3, 1, 2001}), 0);
    // 1 January to 1 February 2000 counts 29, and 1 February 2000 itself counts 1: on
    // 1 March the two counts are 59 and 31, 28 apart.
    EXPECT_EQ(DayCount({1, 1, 2000}, {3, 1, 2000}) - DayCount({2, 1, 2000}, {3, 1, 2000}), 28);
    EXPECT_EQ(DaysApart({1, 1, 2000}, {2, 1, 2000}), 28);
    // 31 January to 1 February 2001 counts -2.
    EXPECT_EQ(DaysApart({1, 31, 2001}, {2, 1, 2001}), -2);
}

TEST(Compatibility, AveragesTheThreeFiguresRoundedHalfUp)
{
    // 28 days apart: 57, 100, 70; (227) / 3 = 75.67 -> 76.
    EXPECT_EQ(CompatibilityOf({3, 1, 2001}, {3, 29, 2001}), (Compatibility{57, 100, 70, 76}));
    // 14 days apart: 22, 0, 15; 37 / 3 = 12.33 -> 12.
    EXPECT_EQ(CompatibilityOf({3, 15, 2001}, {3, 1, 2001}), (Compatibility{22, 0, 15, 12}));
    EXPECT_EQ(CompatibilityOf({7, 4, 1950}, {7, 4, 1950}), (Compatibility{100, 100, 100, 100}));
    EXPECT_EQ(CompatibilityLine("Ben", {22, 0, 15, 12}),
              "Compatibility with Ben: Physical 22 %, Emotional 0 %, Intellectual 15 %, overall 12 %");
}

TEST(PartnerMeters, NoneBeforeTheBirthdayThenTheTraditionalMeters)
{
    const std::vector<ChartDay> days = ChartDays({3, 1, 2001}, {3, 1, 2001});
    ASSERT_EQ(days.size(), 16u);
    const auto partner = PartnerMeters({3, 15, 2001}, days);
    ASSERT_EQ(partner.size(), 16u);
    EXPECT_FALSE(partner[13]);
    EXPECT_EQ(*partner[14], (Meters{50, 50, 50}));
    EXPECT_EQ(*partner[15], (Meters{60, 57, 56}));
    EXPECT_EQ(PairedChartLine(days[13], partner[13]), "3-14-2001 30 57 68 | -");
    EXPECT_EQ(PairedChartLine(days[15], partner[15]), "3-16-2001 10 42 56 | 60 57 56");
}

TEST(CriticalDays, NinetyDaysFromTheSelectedDate)
{
    // Born 1 January 2000, from 1 March 2000 (count 59; 29 February counts 57): a meter
    // stands at 50 on the counts with physical c mod 23 in {0, 11, 22}, emotional
    // c mod 14 = 0, intellectual c mod 33 in {0, 16, 32}; the first, 65, is 7 March.
    const std::vector<CriticalDay> days = CriticalDays({1, 1, 2000}, {3, 1, 2000}, kCriticalDaysSpan);
    ASSERT_EQ(days.size(), 26u);
    EXPECT_EQ(days.front(), (CriticalDay{{3, 7, 2000}, Cycle::Intellectual}));
    EXPECT_EQ(days[4], (CriticalDay{{3, 12, 2000}, Cycle::Emotional}));
    // 9 April, count 98 = 7 x 14 = 2 x 33 + 32: two cycles on one day, in cycle order.
    EXPECT_EQ(days[10], (CriticalDay{{4, 9, 2000}, Cycle::Emotional}));
    EXPECT_EQ(days[11], (CriticalDay{{4, 9, 2000}, Cycle::Intellectual}));
    // 29 May, the 90th day, count 148 = 4 x 33 + 16.
    EXPECT_EQ(days.back(), (CriticalDay{{5, 29, 2000}, Cycle::Intellectual}));
    EXPECT_TRUE(CriticalDays({1, 1, 2000}, {3, 1, 2000}, 6).empty());
}

TEST(CriticalDays, TheSameAsTheChartMarks)
{
    const Date birth{12, 25, 1899}, selected{2, 29, 1900};
    const std::vector<ChartDay> chart = ChartDays(birth, selected);
    // The chart's second half starts on the selected date.
    std::vector<CriticalDay> marked;
    for (std::size_t i = chart.size() - 1 - kChartReach; i < chart.size(); ++i)
        for (int c = 0; c < 3; ++c)
            if (chart[i].critical[c])
                marked.push_back({chart[i].date, kCycles[c]});
    EXPECT_FALSE(marked.empty());
    EXPECT_EQ(CriticalDays(birth, selected, kChartReach + 1), marked);
}

}  // namespace compatibility_test
