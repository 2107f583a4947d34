// The evil-eye verdict and the gems texts, next to the other small readings.
#include <gtest/gtest.h>

#include <string>

#include "zendary/readings/evil_eye.h"
#include "zendary/readings/gems.h"

namespace superstition_evil_eye_test {

using namespace zendary;
using numerology::StarNumbers;

const std::string kNot = " Not susceptible to the Evil Eye!" + std::string(19, ' ');
const std::string kSusceptible = " Susceptible to the Evil Eye!" + std::string(23, ' ');
const std::string kPut = " Someone put the Evil Eye on you!" + std::string(19, ' ');

TEST(EvilEye, VerdictsAreTestedInOrder)
{
    const StarNumbers s{1, 2, 4, 3, 6};
    EXPECT_EQ(EvilEyeVerdict(1, s), kNot);
    EXPECT_EQ(EvilEyeVerdict(2, s), kNot);
    EXPECT_EQ(EvilEyeVerdict(3, s), kNot);
    EXPECT_EQ(EvilEyeVerdict(4, s), kSusceptible);
    EXPECT_EQ(EvilEyeVerdict(6, s), kPut);
    EXPECT_EQ(EvilEyeVerdict(5, s), kNot);
    // s2 is tested before s4, and s0 before s2.
    EXPECT_EQ(EvilEyeVerdict(7, StarNumbers{1, 2, 7, 3, 7}), kSusceptible);
    EXPECT_EQ(EvilEyeVerdict(7, StarNumbers{7, 2, 7, 3, 9}), kNot);
    EXPECT_EQ(kNot.size(), 52u);
    EXPECT_EQ(kSusceptible.size(), 52u);
    EXPECT_EQ(kPut.size(), 52u);
}

TEST(EvilEye, TextIsDateAndVerdictInCapitalsThenTheLegend)
{
    const std::string text = EvilEyeText({12, 25, 2000}, 6, StarNumbers{1, 2, 4, 3, 6});
    const std::string head = "DECEMBER 25 2000 SOMEONE PUT THE EVIL EYE ON YOU!" + std::string(19, ' ') + "\n" +
                             std::string(54, '_') + "\n\nHow to use this predictiction:\n\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_TRUE(text.ends_with("this is why they are happening now or just about to begin."));
}

TEST(Gems, MonthTexts)
{
    EXPECT_STREQ(GemsText(1), "BIRTHSTONE\tGarnet\n\nFLOWER\t\tSnowdrop\n\nSYMBOL\t\tConstancy");
    EXPECT_STREQ(GemsText(6),
                 "BIRTHSTONE\tMoonstone or Agate\n\nFLOWER\t\tWild Rose or Honeysuckle\n\nSYMBOL\t\tHealth");
    EXPECT_STREQ(GemsText(12), "BIRTHSTONE\tTurquoise\n\nFLOWER\t\tHolly\n\nSYMBOL\t\tUnselfishness");
    EXPECT_EQ(GemsText(0), nullptr);
    EXPECT_EQ(GemsText(13), nullptr);
}

}  // namespace superstition_evil_eye_test
