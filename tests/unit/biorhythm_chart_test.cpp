// The biorhythm chart's days: the span around the selected date, the birthday's cut,
// the critical days and the lines the runner lists.
#include <gtest/gtest.h>

#include "pulsara/biorhythm_chart.h"

namespace biorhythm_chart_test {

using namespace pulsara;

const Date kBirth{1, 1, 2000};

TEST(BiorhythmChart, ThirtyOneDaysAroundTheSelectedDateThroughALeapDay)
{
    const auto days = ChartDays(kBirth, {3, 1, 2000});
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(days.front().date, (Date{2, 15, 2000}));
    EXPECT_EQ(days[14].date, (Date{2, 29, 2000}));
    EXPECT_EQ(days[15].date, (Date{3, 1, 2000}));
    EXPECT_EQ(days.back().date, (Date{3, 16, 2000}));
    for (std::size_t i = 0; i < days.size(); ++i)
        EXPECT_EQ(days[i].selected, i == 15) << i;
    // The selected day is what TM puts into the meters: 59 days, Passive 30, Active 71, Passive 12.
    EXPECT_EQ(days[15].meters, (Meters{30, 71, 12}));
    EXPECT_EQ(ChartLine(days[15]), "3-1-2000 30 71 12");
}

TEST(BiorhythmChart, TwentyNinthOfFebruary1900IsADayAsTheDateFieldsSay)
{
    // 1900 is divisible by four, so the date fields and TM take 29 February 1900.
    const auto days = ChartDays({12, 25, 1899}, {2, 29, 1900});
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(days.front().date, (Date{2, 14, 1900}));
    EXPECT_EQ(days[14].date, (Date{2, 28, 1900}));
    EXPECT_EQ(days[15].date, (Date{2, 29, 1900}));
    EXPECT_TRUE(days[15].selected);
    EXPECT_EQ(days[16].date, (Date{3, 1, 1900}));
    EXPECT_EQ(days.back().date, (Date{3, 15, 1900}));
    // 66 days, h 1584: Passive 204 -> 30, Active 240 -> 78, Active at 0 -> 50.
    EXPECT_EQ(days[15].meters, (Meters{30, 78, 50}));
    EXPECT_TRUE(days[15].critical[2]);
    EXPECT_EQ(ChartLine(days[15]), "2-29-1900 30 78 50");
    EXPECT_TRUE(ChartDays({12, 25, 1899}, {2, 29, 1901}).empty());
}

TEST(BiorhythmChart, DaysBeforeTheBirthdayAreLeftOut)
{
    const auto days = ChartDays({12, 25, 1999}, {1, 3, 2000});
    ASSERT_EQ(days.size(), 25u);  // the birthday, the 8 days to the 3rd, and 15 after
    EXPECT_EQ(days.front().date, (Date{12, 25, 1999}));
    EXPECT_EQ(days.front().meters, (Meters{50, 50, 50}));
    EXPECT_TRUE(days[9].selected);
    EXPECT_TRUE(ChartDays({2, 1, 2000}, {1, 10, 2000}).empty());
}

TEST(BiorhythmChart, ACriticalDayStandsAtFiftyOrHasCrossedIt)
{
    const auto days = ChartDays(kBirth, {3, 1, 2000});
    const auto on = [&](int month, int day) {
        for (const ChartDay& d : days)
            if (d.date == Date{month, day, 2000})
                return d;
        ADD_FAILURE() << month << "/" << day;
        return ChartDay{};
    };
    // Physical 40 on 16 February, 50 on the 17th, 50 on the 18th, 60 on the 19th.
    EXPECT_TRUE(on(2, 17).critical[0]);
    EXPECT_TRUE(on(2, 18).critical[0]);
    EXPECT_FALSE(on(2, 19).critical[0]);
    // Emotional 42, 50 on 28 February, then 57: only the day at 50.
    EXPECT_TRUE(on(2, 28).critical[1]);
    EXPECT_FALSE(on(2, 29).critical[1]);
    // Emotional 57 on 11 March to 49 on the 12th passes 50 without touching it.
    EXPECT_TRUE(on(3, 12).critical[1]);
    EXPECT_FALSE(on(3, 13).critical[1]);
    // Intellectual 56 on 20 February, 50 on the 21st, 44 on the 22nd.
    EXPECT_TRUE(on(2, 21).critical[2]);
    EXPECT_FALSE(on(2, 22).critical[2]);
}

TEST(BiorhythmChart, TheFirstDayShownLooksAtTheDayBeforeIt)
{
    // 14 February counts 42 days: physical 1008 hours, 1008 - 828 = 180, Passive 20;
    // the 15th (Passive 30) is not critical, and its emotional 42 after 49 is not either.
    const auto days = ChartDays(kBirth, {3, 1, 2000});
    EXPECT_FALSE(days.front().critical[0]);
    EXPECT_FALSE(days.front().critical[1]);
}

}  // namespace biorhythm_chart_test
