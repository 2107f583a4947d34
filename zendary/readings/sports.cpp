#include "zendary/readings/sports.h"

#include <cstdlib>

namespace zendary {

using numerology::DateDigit;
using numerology::NameValue;
using numerology::NumberDigit;

static const char* const kSportsCaption = "SPORTS NUMEROLOGY";

std::string SportsVerdict(const std::string& team1, const std::string& team2, const numerology::Date& game)
{
    const int a = NumberDigit(NameValue(team1));
    const int b = NumberDigit(NameValue(team2));
    const int d = NumberDigit(DateDigit(game.day) + DateDigit(game.month) + numerology::YearDigit(game.year));
    const int toFirst = std::abs(d - a), toSecond = std::abs(d - b);
    if (toFirst < toSecond)
        return team1 + " - better chance of winning the game.    \n";
    if (toFirst > toSecond)
        return team2 + " - better chance of winning the game.    \n";
    return "Too close to call. Both teams have equal chances winning the game.    \n";
}

bool SportsNumerology(Zendary& z)
{
    if (!z.DatesValid())
        return false;
    const PersonalData& d = z.data;
    if (d.team1.empty() || d.team2.empty()) {
        z.ui.stop(kSportsCaption, d.team1.empty() ? "Please enter first team!" : "Please enter second team!");
        z.ui.info(kSportsCaption,
                  "Please enter both teams, select the date of the game in the Select Date and click on "
                  "the SNR button. The prediction will be clearly displayed.");
        return false;
    }
    const std::string text = "Is this information accurate?          \n\nFirst Team:\t" + d.team1 + "\nSecond Team:\t" +
                             d.team2 + "\nGame Date:\t" + std::to_string(d.selected.month) + "  " +
                             std::to_string(d.selected.day) + "  " + std::to_string(d.selected.year);
    if (!z.confirm(kSportsCaption, text))
        return false;
    z.ui.info(kSportsCaption, SportsVerdict(d.team1, d.team2, d.selected));
    return true;
}

}  // namespace zendary
