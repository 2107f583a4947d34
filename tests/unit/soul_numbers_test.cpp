#include <gtest/gtest.h>

#include "zendary/readings/soul_numbers.h"

namespace soul_numbers_test {

using zendary::SoulNumbers;

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

}  // namespace soul_numbers_test
