#include <gtest/gtest.h>

#include "zendary/readings/love_spell.h"

namespace love_spell_test {

using namespace zendary;
using numerology::StarNumbers;

// Birthdays 1/1/1920, 1/1/1900, 1/1/1900.
const StarNumbers kStars{1, 2, 4, 3, 6};

TEST(LoveSpell, SpellNumberAddsNameAndSelectedDate)
{
    // 1 + 14 + 14 + 1, then the digit of 2000 (1), month 1 and day 1.
    EXPECT_EQ(SpellNumber("Anna", {1, 1, 2000}), 33);
    EXPECT_EQ(SpellNumber("anna", {12, 31, 1999}), 30 + 1 + 12 + 31);
}

TEST(LoveSpell, FoldingForAManStepsByS4)
{
    // 33, 27, 21, 15, 9, 3: stops on s3.
    EXPECT_EQ(FoldingCount(33, kStars, SpellTarget::Man), 3);
    // 20, 14, 8, 2: stops on s1.
    EXPECT_EQ(FoldingCount(20, kStars, SpellTarget::Man), 2);
    // Already a star number, or already s3: no fold taken off.
    EXPECT_EQ(FoldingCount(4, kStars, SpellTarget::Man), 4);
    EXPECT_EQ(FoldingCount(3, kStars, SpellTarget::Man), 3);
    EXPECT_EQ(FoldingCount(1, kStars, SpellTarget::Man), 1);
}

TEST(LoveSpell, FoldingForAWomanStepsByS3)
{
    // 33, 30, ..., 9, 6: stops on s4.
    EXPECT_EQ(FoldingCount(33, kStars, SpellTarget::Woman), 6);
    // 20, 17, ..., 5, 2: stops on s1.
    EXPECT_EQ(FoldingCount(20, kStars, SpellTarget::Woman), 2);
}

TEST(LoveSpell, CountMayJumpBelowTwo)
{
    const StarNumbers stars{5, 6, 9, 2, 4};
    // 11, 7, 3, -1.
    EXPECT_EQ(FoldingCount(11, stars, SpellTarget::Man), -1);
}

TEST(LoveSpell, S3EqualToS4TakesS0)
{
    const StarNumbers stars{2, 7, 8, 9, 9};
    // s3 becomes 2, the woman's step: 12, 10, 8 (s2). With s3 left at 9 it would be 12, 3, -6.
    EXPECT_EQ(FoldingCount(12, stars, SpellTarget::Woman), 8);
    // 11, 9: s4 ends it.
    EXPECT_EQ(FoldingCount(11, stars, SpellTarget::Woman), 9);
}

TEST(LoveSpell, AStepOfZeroLeavesTheSpellNumber)
{
    const StarNumbers stars{4, 2, 8, 6, 0};
    EXPECT_EQ(FoldingCount(20, stars, SpellTarget::Man), 20);
    EXPECT_EQ(FoldingCount(8, stars, SpellTarget::Man), 8);
    // The woman's step is s3 (6): 20, 14, 8.
    EXPECT_EQ(FoldingCount(20, stars, SpellTarget::Woman), 8);
}

TEST(LoveSpell, FoldingAlwaysEnds)
{
    // Every combination of star digits, with spell numbers around the stop values.
    for (int s0 = 0; s0 <= 9; ++s0)
        for (int s1 = 0; s1 <= 9; ++s1)
            for (int s2 = 0; s2 <= 9; ++s2)
                for (int s3 = 0; s3 <= 9; ++s3)
                    for (int s4 = 0; s4 <= 9; ++s4)
                        for (int n : {0, 1, 2, 11, 97})
                            for (SpellTarget t : {SpellTarget::Man, SpellTarget::Woman})
                                EXPECT_LE(FoldingCount(n, {s0, s1, s2, s3, s4}, t), n);
}

TEST(LoveSpell, SpellTextsByTargetAndCount)
{
    EXPECT_EQ(SpellText("Anna", 33, 3, SpellTarget::Man),
              "LOVE SPELL FOR ANNA\n\nOn a peace of paper write Anna and the number 33 in the four corners of the "
              "paper. In the center write Anna's last name in reverse order. Fold it 3 times and burn it facing "
              "west! Then wait 2 days and do it again!");
    const std::string tail = "last name in reverse order. Fold it ";
    auto ending = [&](int k, SpellTarget t) {
        const std::string text = SpellText("x", 1, k, t);
        return text.substr(text.find(tail) + tail.size());
    };
    EXPECT_EQ(ending(5, SpellTarget::Man), "5 times and burn it facing west! Then wait 2 days and do it again!");
    EXPECT_EQ(ending(-1, SpellTarget::Man), "-1 times and burn it facing west! Then wait 2 days and do it again!");
    EXPECT_EQ(ending(6, SpellTarget::Man), "6 times and burn it facing north! Then wait 3 days and do it again!");
    EXPECT_EQ(ending(1, SpellTarget::Woman), "1 times and burn it facing south! Then wait 4 days and do it again!");
    EXPECT_EQ(ending(6, SpellTarget::Woman), "6 times and burn it facing east! Then wait 1 day and do it again!");
}

TEST(LoveSpell, PaperPicture)
{
    EXPECT_EQ(PaperPicture("Jo", 25),
              "Here is how your paper should look before you fold it and burn:   \n\nJo25\t\t\tJo25\n\n\n\n\t      "
              "Jo's last name in reverse order\n\n\n\nJo25\t\t\tJo25");
}

}  // namespace love_spell_test
