#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "zendary/readings/day_readings.h"
#include "zendary/readings/fate.h"

namespace day_readings_test {

using numerology::StarNumbers;
using shell::Answer;
using shell::Icon;
using zendary::Percentage;
using zendary::PercentageFor;
using zendary::Zendary;

bool startsWith(const std::string& text, const std::string& start)
{
    return text.starts_with(start);
}

// Birthdays 1/1/1920, 1/1/1900, 1/1/1900 all give the digit 1: stars 1, 2, 4, 3, 6.
const StarNumbers kOnes{1, 2, 4, 3, 6};

struct DayReadings : ::testing::Test {
    FakeServices fake;
    Zendary z{fake.services};

    DayReadings()
    {
        z.data.own.year = 1920;
        z.data.selected = {1, 9, 2000};  // 1 + 9 + 1 = 11: day number 2
    }
    std::string lastText() const { return fake.ui.boxes.empty() ? "" : fake.ui.boxes.back().text; }
};

TEST(DayRules, LuckyNumbersAvoidEachOther)
{
    EXPECT_EQ(zendary::LuckyFor(kOnes, 2), (std::array<int, 3>{2, 4, 6}));
    // s3 = s0: the third number is raised by s3 once ...
    EXPECT_EQ(zendary::LuckyFor({3, 5, 1, 3, 2}, 2), (std::array<int, 3>{6, 10, 9}));
    // ... and again when it then meets the second.
    EXPECT_EQ(zendary::LuckyFor({2, 4, 1, 2, 3}, 1), (std::array<int, 3>{2, 4, 6}));
}

TEST(DayRules, UnluckyNumbersMoveAwayFromLuckyOnes)
{
    EXPECT_EQ(zendary::UnluckyFor(kOnes, 2, {0, 0, 0}), (std::array<int, 3>{8, 12, 6}));
    EXPECT_EQ(zendary::UnluckyFor(kOnes, 2, {2, 4, 6}), (std::array<int, 3>{8, 12, 9}));
    // Each one is pushed by its own step: +1, +2, +3.
    EXPECT_EQ(zendary::UnluckyFor(kOnes, 2, {8, 12, 0}), (std::array<int, 3>{9, 14, 6}));
}

TEST(DayRules, PercentageRows)
{
    EXPECT_EQ(PercentageFor(Percentage::LifePower, kOnes, 1, 13), 70);      // d = s0, odd day
    EXPECT_EQ(PercentageFor(Percentage::SpiritPower, kOnes, 2, 14), 100);   // d = s1, even day
    EXPECT_EQ(PercentageFor(Percentage::PersonalLuck, kOnes, 3, 10), 100);  // d = s3
    EXPECT_EQ(PercentageFor(Percentage::BusinessLuck, kOnes, 3, 9), 70);    // d = s3, day divisible by 3
    EXPECT_EQ(PercentageFor(Percentage::BusinessLuck, kOnes, 4, 8), 50);    // d = s2, day divisible by 4
    EXPECT_EQ(PercentageFor(Percentage::PersonalLuck, kOnes, 4, 7), 50);
    EXPECT_EQ(PercentageFor(Percentage::PersonalLuck, kOnes, 7, 7), 60);  // none of them
    EXPECT_EQ(PercentageFor(Percentage::LifePower, kOnes, 6, 12), 20);    // d = s4
    EXPECT_EQ(PercentageFor(Percentage::LifePower, kOnes, 6, 13), 10);
    EXPECT_EQ(PercentageFor(Percentage::PersonalLuck, kOnes, 6, 18), 30);
}

TEST(DayRules, FatherRowComesBeforeTheBadLuckRow)
{
    const StarNumbers sameTail{1, 2, 5, 3, 5};
    EXPECT_EQ(PercentageFor(Percentage::LifePower, sameTail, 5, 4), 40);
    EXPECT_EQ(PercentageFor(Percentage::LifePower, sameTail, 5, 5), 30);
}

TEST_F(DayReadings, UnluckyNumbersBeforeAndAfterALuckyReading)
{
    fake.ui.answers = {Answer::Yes};
    ASSERT_TRUE(zendary::UnluckyNumbers(z));
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_PRED2(startsWith, fake.ui.boxes[0].text,
                 "Unlucky Numbers Reading predicts three unlucky numbers for any day in any year! ");
    EXPECT_EQ(fake.ui.boxes[1].caption, "UNLUCKY NUMBERS");
    EXPECT_EQ(fake.ui.boxes[1].icon, Icon::Information);
    EXPECT_EQ(lastText(), "January 9 2000\n\nYour unlucky numbers are: 8   12   6.     \n");

    ASSERT_TRUE(zendary::LuckyNumbers(z));  // nothing changed: no question
    EXPECT_EQ(lastText(), "January 9 2000\n\nYour lucky numbers are: 2   4   6.     \n");
    ASSERT_TRUE(zendary::UnluckyNumbers(z));
    EXPECT_EQ(lastText(), "January 9 2000\n\nYour unlucky numbers are: 8   12   9.     \n");
    EXPECT_EQ(fake.ui.boxes.size(), 4u);
    EXPECT_EQ(z.unlucky, (std::array<int, 3>{8, 12, 9}));
}

TEST_F(DayReadings, AnswerNoKeepsTheStoredNumbers)
{
    fake.ui.answers = {Answer::No};
    EXPECT_FALSE(zendary::LuckyNumbers(z));
    EXPECT_EQ(lastText(), "Please correct any mistakes and try again!");
    EXPECT_EQ(fake.ui.boxes.back().caption, "LUCKY NUMBERS");
    EXPECT_EQ(z.lucky, (std::array<int, 3>{0, 0, 0}));
}

TEST_F(DayReadings, ReportModeOnlyStores)
{
    z.reportMode = true;
    EXPECT_TRUE(zendary::LuckyNumbers(z));
    EXPECT_TRUE(zendary::UnluckyNumbers(z));
    EXPECT_TRUE(fake.ui.boxes.empty());
    EXPECT_EQ(z.lucky, (std::array<int, 3>{2, 4, 6}));
    EXPECT_EQ(z.unlucky, (std::array<int, 3>{8, 12, 9}));
    // The checks still speak.
    z.data.mother.year = 1915;
    EXPECT_FALSE(zendary::LuckyNumbers(z));
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "BIRTHDAY ERROR");
}

TEST(FateRules, FourOutcomes)
{
    const std::string better = "FATE READING\n\nDecisions you make today can change your fate for the better!    \n\n"
                               "DEATH READING\n\nJust follow your normal daily routine!\n";
    const std::string worst = "FATE READING\n\nDecisions you make today can change your fate for the worst!    \n\n"
                              "DEATH READING\n\nPlease be careful today!\n";
    const std::string catastrophic =
        "FATE READING\n\nDecisions you make today can have catastrophic effect on your fate!    \n\n"
        "DEATH READING\n\nPlease be extremely careful today!\n";
    const std::string none = "FATE READING\n\nDecisions you make today can not affect your fate!    \n\n"
                             "DEATH READING\n\nJust follow your normal daily routine!\n";
    for (int d : {1, 2, 3})
        EXPECT_EQ(zendary::FateText(d, kOnes), better) << d;
    EXPECT_EQ(zendary::FateText(4, kOnes), worst);
    EXPECT_EQ(zendary::FateText(6, kOnes), catastrophic);
    for (int d : {5, 7, 8, 9})
        EXPECT_EQ(zendary::FateText(d, kOnes), none) << d;
    EXPECT_EQ(zendary::FateText(5, {1, 2, 5, 3, 5}), worst);
}

}  // namespace day_readings_test
