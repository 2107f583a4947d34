// Sports numerology (SNR): which of two teams has the better chance on the selected date.
#pragma once
#include <string>

#include "numerology/numerology.h"
#include "zendary/zendary.h"

namespace zendary {

// The verdict line: the better team with " - better chance of winning the game.    \n",
// or "Too close to call. ..." when both stand as near to the date's number.
std::string SportsVerdict(const std::string& team1, const std::string& team2, const numerology::Date& game);

bool SportsNumerology(Zendary& z);

}  // namespace zendary
