#include <gtest/gtest.h>

#include "numerology/numerology.h"

namespace numerology_test {

using namespace numerology;

TEST(YearDigit, ReducesTheOffsetWithinTheCentury)
{
    const std::pair<int, int> cases[] = {{1800, 1}, {1808, 9}, {1809, 1}, {1900, 1}, {1905, 6}, {1914, 6},
                                         {1999, 1}, {2000, 1}, {2099, 1}, {1799, 0}, {2100, 0}, {50, 6},
                                         {150, 0},  {0, 1},    {99, 1},   {-1, 0},   {100, 0}};
    for (auto [year, digit] : cases)
        EXPECT_EQ(YearDigit(year), digit) << year;
}

TEST(DateDigit, FoldsTenToThirtyOneOnly)
{
    const std::pair<int, int> cases[] = {{9, 9},  {10, 1}, {18, 9},  {19, 1}, {27, 9}, {28, 1},
                                         {29, 2}, {31, 4}, {32, 32}, {0, 0},  {1, 1},  {-5, -5}};
    for (auto [n, digit] : cases)
        EXPECT_EQ(DateDigit(n), digit) << n;
}

TEST(TripleDigit, SumsBelowTenGiveOne)
{
    EXPECT_EQ(TripleDigit(1, 1, 1), 1);
    EXPECT_EQ(TripleDigit(3, 3, 3), 1);
    EXPECT_EQ(TripleDigit(4, 3, 3), 1);
    EXPECT_EQ(TripleDigit(5, 5, 5), 6);
    EXPECT_EQ(TripleDigit(9, 9, 9), 9);
    EXPECT_EQ(TripleDigit(9, 9, 8), 8);   // 26
    EXPECT_EQ(TripleDigit(9, 9, 10), 1);  // 28 is outside 10-27
    EXPECT_EQ(TripleDigit(2147483647, 2147483647, 2147483647), 1);
}

TEST(BirthdayDigit, CombinesMonthDayAndYear)
{
    EXPECT_EQ(BirthdayDigit(1, 1, 1900), 1);
    EXPECT_EQ(BirthdayDigit(12, 31, 1999), 1);
    EXPECT_EQ(BirthdayDigit(9, 29, 1926), 2);
}

TEST(NumberDigit, KeepsSmallRemaindersOfHundreds)
{
    const std::pair<int, int> cases[] = {{100, 0}, {105, 5}, {109, 9}, {110, 2},  {1799, 1}, {1800, 1},
                                         {5, 6},   {7, 8},   {9, 1},   {1950, 6}, {99, 1}};
    for (auto [n, digit] : cases)
        EXPECT_EQ(NumberDigit(n), digit) << n;
}

TEST(NameValue, CountsLettersAndNonZeroDigits)
{
    EXPECT_EQ(NameValue("Ab 1"), 4);
    EXPECT_EQ(NameValue("zz"), 52);
    EXPECT_EQ(NameValue("0"), 0);
    EXPECT_EQ(NameValue(""), 0);
    EXPECT_EQ(NameValue("9-Z\xc3\xa9"), 35);  // accented letters count nothing
}

TEST(LetterSum, CountsLettersOnly)
{
    EXPECT_EQ(LetterSum("Ab 1"), 3);
    EXPECT_EQ(LetterSum("123456789"), 0);
}

TEST(StarNumbers, AllBirthdaysOnTheFirstOfJanuary1900)
{
    const Date d{1, 1, 1900};
    const StarNumbers s = ComputeStarNumbers(d, d, d);
    EXPECT_EQ(s, (StarNumbers{1, 2, 4, 3, 6}));
    for (int day : {1, 2, 3})
        EXPECT_EQ(DayRating(day, s), Rating::Good);
    for (int day : {4, 6})
        EXPECT_EQ(DayRating(day, s), Rating::Bad);
    for (int day : {5, 7, 8, 9})
        EXPECT_EQ(DayRating(day, s), Rating::Normal);
}

TEST(StarNumbers, NinesOfParentsAreMovedAside)
{
    // 9/9/1908: TripleDigit(9, 9, 9) = 9 for all three.
    const Date nine{9, 9, 1908};
    const StarNumbers s = ComputeStarNumbers(nine, nine, nine);
    // s1 8, s2 7; no equal pairs; s3 = DateDigit(17) = 8; s4 = 2;
    // s2 = 7 equals none of 9, 8, 8: stays.
    EXPECT_EQ(s, (StarNumbers{9, 8, 7, 8, 2}));
}

TEST(StarNumbers, FatherEqualToTheSumIsDoubled)
{
    // 1/1/1908 gives 2, 5/1/1907 gives 5, 7/1/1907 gives 7: no equal pair; s3 = 7;
    // s4 = 5 equals s1, so DateDigit(10) = 1; s2 = 7 equals s3, so DateDigit(14) = 5.
    const StarNumbers s = ComputeStarNumbers({1, 1, 1908}, {5, 1, 1907}, {7, 1, 1907});
    EXPECT_EQ(s, (StarNumbers{2, 5, 5, 7, 1}));
    EXPECT_EQ(DayRating(5, s), Rating::Good);  // the good test comes first
    EXPECT_EQ(DayRating(1, s), Rating::Bad);
}

TEST(DayNumber, FoldsTheSelectedDate)
{
    EXPECT_EQ(DayNumber({1, 5, 1999}), 7);    // 1 + 5 + 1
    EXPECT_EQ(DayNumber({12, 31, 2099}), 8);  // 3 + 4 + 1
    EXPECT_EQ(DayNumber({9, 9, 1908}), 9);    // 27
}

TEST(RatingText, HasOneBlankEachSide)
{
    EXPECT_STREQ(RatingText(Rating::Good), " Good Day! ");
    EXPECT_STREQ(RatingText(Rating::Normal), " Normal Day! ");
    EXPECT_STREQ(RatingText(Rating::Bad), " Bad Day! ");
}

}  // namespace numerology_test
