#include <gtest/gtest.h>

#include "fake_services.h"
#include "zendary/soul_numbers.h"

using shell::Answer;
using zendary::SoulNumbers;
using zendary::Zendary;

TEST(SoulRules, AllOnes)
{
    const numerology::Date one{1, 1, 1900};
    EXPECT_EQ(zendary::SoulNumbersFor(one, one, one), (SoulNumbers{1, 3, 6}));
}

TEST(SoulRules, BadLuckEqualToTheMotherDigitIsKept)
{
    // Digits 5 (4+4+6), 3 (4+5+3) and 2 (1+2+8): s3 = 8, s4 = |5 - 2| = 3 = s1.
    const numerology::Date own{4, 4, 1950}, mother{4, 5, 1920}, father{1, 2, 1925};
    EXPECT_EQ(zendary::SoulNumbersFor(own, mother, father), (SoulNumbers{5, 8, 3}));
    EXPECT_EQ(numerology::ComputeStarNumbers(own, mother, father).s4, 6);
}

TEST(SoulRules, TenTexts)
{
    for (int n = 0; n <= 9; ++n)
        EXPECT_EQ(std::string(zendary::SoulText(n)).substr(0, 10), "Number " + std::to_string(n) + "\n\n");
    EXPECT_EQ(zendary::SoulText(-1), nullptr);
    EXPECT_EQ(zendary::SoulText(10), nullptr);
}

namespace {

bool startsWith(const std::string& text, const std::string& start)
{
    return text.starts_with(start);
}

struct SoulReadings : ::testing::Test {
    FakeServices fake;
    Zendary z{fake.services};
    SoulReadings()
    {
        z.data.own.year = 1920;
        z.rememberedDates = z.currentDates();
    }
};

}  // namespace

TEST_F(SoulReadings, YourNumbersIgnoreThePastLifeFields)
{
    z.data.pastYear = 1950;  // would stop every day reading
    z.data.own.month = 2;
    fake.ui.answers = {Answer::Yes};
    ASSERT_TRUE(zendary::YourSoulNumbers(z));
    ASSERT_EQ(fake.ui.boxes.size(), 5u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "YOUR SOUL NUMBERS");
    EXPECT_PRED2(startsWith, fake.ui.boxes[0].text, "Is this information accurate?          \n\nYour Birthday\t\t2   1   1920\n");
    EXPECT_EQ(fake.ui.boxes[1].caption, "SOUL NUMBER YOU");
    EXPECT_PRED2(startsWith, fake.ui.boxes[1].text, "Your soul number is: 1. ");
    EXPECT_PRED2(startsWith, fake.ui.boxes[2].text, "Number 1\n\n");
    EXPECT_EQ(fake.ui.boxes[3].caption, "GOOD LUCK NUMBER YOU");
    EXPECT_PRED2(startsWith, fake.ui.boxes[4].text, "Your bad luck number is: 6.");
}

TEST_F(SoulReadings, ParentNumbersAskOnlyAfterAChange)
{
    ASSERT_TRUE(zendary::MotherSoulNumber(z));  // nothing changed since the last confirmation
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "SOUL NUMBER MOTHER");

    z.data.father = {9, 29, 1908};
    fake.ui.answers = {Answer::No};
    EXPECT_FALSE(zendary::FatherSoulNumber(z));
    ASSERT_EQ(fake.ui.boxes.size(), 4u);
    EXPECT_EQ(fake.ui.boxes[2].caption, "FAMILY NUMBERS");
    EXPECT_EQ(fake.ui.boxes[2].text, "Is this information accurate?          \n\nYour Father's Birthday\t9 29 1908");
    EXPECT_EQ(fake.ui.boxes[3].text, "Please correct any mistakes and try again!");
    // Asked once: the second press reads at once (9 + 2 + 9 = 20, digit 2).
    ASSERT_TRUE(zendary::FatherSoulNumber(z));
    EXPECT_PRED2(startsWith, fake.ui.boxes[4].text, "Your father's soul number is: 2. ");
}
