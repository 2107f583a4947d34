#include <gtest/gtest.h>

#include "numerology/dates.h"

namespace dates_test {

using namespace numerology;

static const std::string k30 =
    "There are only 30 days in April, June, September, and November!\nPlease correct it and then try again!";
static const std::string k29 = "There are only 29 days in February!\nPlease correct it and then try again!    ";
static const std::string k28 = "There are only 28 days in February!\nPlease correct it and then try again!    ";

static std::string messageOf(int m, int d, int y)
{
    const DateCheck check = DateRule(m, d, y);
    EXPECT_FALSE(check.ok) << m << "/" << d << "/" << y;
    return check.message ? check.message : "";
}

TEST(DateRule, ThirtyDayMonths)
{
    for (int month : {4, 6, 9, 11}) {
        EXPECT_TRUE(DateRule(month, 30, 1999).ok);
        EXPECT_TRUE(DateRule(month, 1, 1999).ok);
        EXPECT_EQ(messageOf(month, 31, 1999), k30);
        EXPECT_EQ(messageOf(month, 0, 1999), k30);
    }
}

TEST(DateRule, FebruaryCountsEveryFourthYearAsLeap)
{
    EXPECT_TRUE(DateRule(2, 29, 1900).ok);
    EXPECT_TRUE(DateRule(2, 29, 2000).ok);
    EXPECT_TRUE(DateRule(2, 29, 1800).ok);
    EXPECT_EQ(messageOf(2, 30, 1904), k29);
    EXPECT_EQ(messageOf(2, 29, 1901), k28);
    EXPECT_TRUE(DateRule(2, 28, 1901).ok);
    EXPECT_EQ(messageOf(2, 0, 1901), k28);
}

TEST(DateRule, OutOfRangeFailsWithoutMessage)
{
    EXPECT_EQ(messageOf(13, 1, 1999), "");
    EXPECT_EQ(messageOf(0, 1, 1999), "");
    EXPECT_EQ(messageOf(1, 1, 1799), "");
    EXPECT_EQ(messageOf(1, 1, 2100), "");
    EXPECT_EQ(messageOf(1, 32, 1999), "");
    EXPECT_EQ(messageOf(12, 0, 1999), "");
    EXPECT_TRUE(DateRule(1, 31, 2099).ok);
    EXPECT_TRUE(DateRule(12, 31, 1800).ok);
}

TEST(AddDays, StepsThroughTheSameCalendarAsTheRule)
{
    EXPECT_EQ(DaysInMonth(2, 1900), 29);
    EXPECT_EQ(DaysInMonth(2, 1901), 28);
    EXPECT_EQ(DaysInMonth(4, 1901), 30);
    EXPECT_EQ(DaysInMonth(12, 1901), 31);
    EXPECT_EQ(AddDays({2, 28, 1900}, 1), (Date{2, 29, 1900}));
    EXPECT_EQ(AddDays({2, 29, 1900}, 1), (Date{3, 1, 1900}));
    EXPECT_EQ(AddDays({3, 1, 1900}, -1), (Date{2, 29, 1900}));
    EXPECT_EQ(AddDays({2, 28, 1901}, 1), (Date{3, 1, 1901}));
    EXPECT_EQ(AddDays({12, 25, 1899}, 15), (Date{1, 9, 1900}));
    EXPECT_EQ(AddDays({1, 9, 1900}, -15), (Date{12, 25, 1899}));
    EXPECT_EQ(AddDays({4, 30, 2000}, 0), (Date{4, 30, 2000}));
}

TEST(DateText, MonthNameDayAndYear)
{
    EXPECT_EQ(DateText(12, 25, 2000), "December 25 2000");
    EXPECT_EQ(DateText(1, 5, 1999), "January 5 1999");
    EXPECT_EQ(DateText(11, 1, 1800), "November 1 1800");
    EXPECT_EQ(DateText(13, 1, 1999), "December 1 1999");
    EXPECT_EQ(DateText(0, 1, 1999), "December 1 1999");
}

TEST(BirthdayLines, OneDigitNumbersGetThreeSpaces)
{
    const Date own{3, 14, 1975}, mother{10, 2, 1950}, father{12, 31, 1945}, selected{1, 1, 2000};
    EXPECT_EQ(BirthdayLines(own, mother, father, selected), "Your Birthday\t\t3   14 1975\n"
                                                            "Your Mother's Birthday\t10 2   1950\n"
                                                            "Your Father's Birthday\t12 31 1945\n"
                                                            "Selected Date\t\t1   1   2000");
}

}  // namespace dates_test
