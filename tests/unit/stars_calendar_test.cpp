#include <gtest/gtest.h>

#include <string>

#include "zendary/readings/stars_calendar.h"

namespace stars_calendar_test {

using namespace zendary;
using numerology::Date;
using numerology::Rating;

// All three birthdays 1/1/1900: s0 = s1 = s2 = 1, then s1 = 2, s2 = 2, s2 = 4; s3 = 3;
// s4 = 3 equals s3, so 6. Good: day numbers 1, 2, 3; bad: 4, 6; normal: 5, 7, 8, 9.
numerology::StarNumbers exampleStars()
{
    return numerology::ComputeStarNumbers({1, 1, 1900}, {1, 1, 1900}, {1, 1, 1900});
}

char letter(Rating rating)
{
    return VerdictWord(rating)[0];
}

TEST(MonthLength, FollowsTheGregorianRule)
{
    EXPECT_EQ(MonthLength(1, 2000), 31);
    EXPECT_EQ(MonthLength(4, 2000), 30);
    EXPECT_EQ(MonthLength(6, 1999), 30);
    EXPECT_EQ(MonthLength(9, 1999), 30);
    EXPECT_EQ(MonthLength(11, 1999), 30);
    EXPECT_EQ(MonthLength(12, 2099), 31);
    EXPECT_EQ(MonthLength(2, 2000), 29);  // divisible by 400
    EXPECT_EQ(MonthLength(2, 2004), 29);
    EXPECT_EQ(MonthLength(2, 1800), 28);  // centuries are not leap years
    EXPECT_EQ(MonthLength(2, 1900), 28);
    EXPECT_EQ(MonthLength(2, 2001), 28);
    EXPECT_EQ(MonthLength(2, 2099), 28);
}

TEST(Weekday, CountsFromSunday)
{
    EXPECT_EQ(Weekday({1, 1, 1800}), 3);  // a Wednesday
    EXPECT_EQ(Weekday({1, 1, 1900}), 1);  // a Monday
    EXPECT_EQ(Weekday({1, 1, 2000}), 6);  // a Saturday
    EXPECT_EQ(Weekday({12, 1, 2001}), 6);
    EXPECT_EQ(Weekday({1, 1, 2002}), 2);
    EXPECT_EQ(Weekday({12, 31, 2099}), 4);  // a Thursday
}

TEST(StarsMonth, RatesEveryDayAsTheStarsReading)
{
    EXPECT_EQ(exampleStars(), (numerology::StarNumbers{1, 2, 4, 3, 6}));
    // January 2000: day number = DateDigit(1 + DateDigit(day) + 1). Days 1-9 give 3, 4, 5, 6,
    // 7, 8, 9, 1, 2: good, bad, normal, bad, normal, normal, normal, good, good; days 10-18
    // and 19-27 repeat it; 28-31 fold to 1-4 again: good, bad, normal, bad.
    const auto days = StarsMonth(1, 2000, exampleStars());
    ASSERT_EQ(days.size(), 31u);
    std::string letters;
    for (std::size_t i = 0; i < days.size(); ++i) {
        EXPECT_EQ(days[i].day, int(i) + 1);
        letters += letter(days[i].rating);
    }
    EXPECT_EQ(letters, "GBNBNNNGG"
                       "GBNBNNNGG"
                       "GBNBNNNGG"
                       "GBNB");
}

TEST(StarsMonth, HasTheMonthsLength)
{
    EXPECT_EQ(StarsMonth(2, 1900, exampleStars()).size(), 28u);
    EXPECT_EQ(StarsMonth(2, 2000, exampleStars()).size(), 29u);
    EXPECT_EQ(StarsMonth(11, 2099, exampleStars()).size(), 30u);
}

TEST(VerdictWord, NamesTheRating)
{
    EXPECT_STREQ(VerdictWord(Rating::Good), "GOOD");
    EXPECT_STREQ(VerdictWord(Rating::Normal), "NORMAL");
    EXPECT_STREQ(VerdictWord(Rating::Bad), "BAD");
}

TEST(NextGoodDay, CrossesTheYearEnd)
{
    // December 2001: DateDigit(3 + DateDigit(day) + 2); the 25th gives 3 + 7 + 2 = 12 → 3,
    // good; 26-31 give 4, 5, 6, 7, 8, 9 → bad, normal, bad, normal, normal, normal.
    // January 2002: DateDigit(1 + DateDigit(day) + 3); days 1-5 give 5, 6, 7, 8, 9; the 6th 1.
    EXPECT_EQ(NextGoodDay({12, 25, 2001}, exampleStars()), (Date{1, 6, 2002}));
    // 1 January 2000 gives 3, good.
    EXPECT_EQ(NextGoodDay({12, 31, 1999}, exampleStars()), (Date{1, 1, 2000}));
}

TEST(NextGoodDay, IsStrictlyAfterTheDate)
{
    // January 2000, days 8 and 9 are both good.
    EXPECT_EQ(NextGoodDay({1, 8, 2000}, exampleStars()), (Date{1, 9, 2000}));
    EXPECT_EQ(NextGoodDay({1, 9, 2000}, exampleStars()), (Date{1, 10, 2000}));
}

TEST(NextGoodDay, EndsWithTheYear2099)
{
    // December 2099: DateDigit(3 + DateDigit(day) + 1); 24-26 give 1, 2, 3 (good), 27-31
    // give 4, 5, 6, 7, 8 (bad, normal, bad, normal, normal).
    EXPECT_EQ(NextGoodDay({12, 20, 2099}, exampleStars()), (Date{12, 24, 2099}));
    EXPECT_EQ(NextGoodDay({12, 25, 2099}, exampleStars()), (Date{12, 26, 2099}));
    EXPECT_EQ(NextGoodDay({12, 26, 2099}, exampleStars()), std::nullopt);
    EXPECT_EQ(NextGoodDay({12, 31, 2099}, exampleStars()), std::nullopt);
    EXPECT_EQ(NextGoodDay({1, 1, 2100}, exampleStars()), std::nullopt);
}

TEST(NextGoodDay, StopsWhenNoDayIsGood)
{
    // Star numbers of zeros match no day number: the search runs to the end and gives none.
    EXPECT_EQ(NextGoodDay({1, 1, 1800}, numerology::StarNumbers{}), std::nullopt);
}

TEST(NextGoodDay, StartsFromDatesTheFieldsAccept)
{
    // 29 February 1900 passes the date check though 1900 has no such day: March comes next.
    // March 1900: DateDigit(3 + DateDigit(day) + 1); days 1-5 give 5, 6, 7, 8, 9; the 6th 1.
    EXPECT_EQ(NextGoodDay({2, 29, 1900}, exampleStars()), (Date{3, 6, 1900}));
    // Before the first year the search begins on 1 January 1800: 1 + 1 + 1 = 3, good.
    EXPECT_EQ(NextGoodDay({12, 31, 1799}, exampleStars()), (Date{1, 1, 1800}));
    EXPECT_EQ(NextGoodDay({0, 1, 2000}, exampleStars()), std::nullopt);
}

}  // namespace stars_calendar_test
