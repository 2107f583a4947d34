#include <gtest/gtest.h>

#include "zendary/readings/sports.h"

namespace sports_test {

using namespace zendary;

// 1/1/2000: 1 + 1 + 1 = 3, whose digit is 4.
const numerology::Date kGame{1, 1, 2000};
const std::string kTie = "Too close to call. Both teams have equal chances winning the game.    \n";

TEST(Sports, NearerTeamToTheDateWins)
{
    // Eagles 49 gives 5, Bears 45 gives 1.
    EXPECT_EQ(SportsVerdict("Eagles", "Bears", kGame), "Eagles - better chance of winning the game.    \n");
    EXPECT_EQ(SportsVerdict("Bears", "Eagles", kGame), "Eagles - better chance of winning the game.    \n");
}

TEST(Sports, EqualDistancesAreTooCloseToCall)
{
    EXPECT_EQ(SportsVerdict("Eagles", "Eagles", kGame), kTie);
    EXPECT_EQ(SportsVerdict("Eagles", "Sharks", kGame), kTie);  // 76 also gives 5
    EXPECT_EQ(SportsVerdict("Bob", "Ned", kGame), kTie);        // 2 and 6, both 2 away from 4
}

TEST(Sports, LongNamesAndBlanks)
{
    // 179 gives 8 (four away), Bears 1 (three away).
    EXPECT_EQ(SportsVerdict("Manchester United", "Bears", kGame), "Bears - better chance of winning the game.    \n");
    // Hawks 62 gives 9 (five away).
    EXPECT_EQ(SportsVerdict("Hawks", "Bears", kGame), "Bears - better chance of winning the game.    \n");
}

}  // namespace sports_test
