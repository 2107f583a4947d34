#include "zendary/readings/stars.h"

#include <algorithm>
#include <cctype>

#include "numerology/dates.h"

namespace zendary {

const char* const kStarsCaption = "STARS READING";
const char* const kStarsLeadIn =
    "Star Reading predicts the outcome of any day in any year! You can go as far into the past or "
    "into the future as you want! Just enter your and your parents' birthdays and then select any "
    "day in any year! Your Star Reading will be clearly displayed!\n\nIs this information accurate?\n\n";

bool StarsReading(Zendary& z)
{
    if (!z.starsGate(kStarsCaption, kStarsLeadIn))
        return false;
    const auto& sel = z.data.selected;
    std::string text = numerology::DateText(sel.month, sel.day, sel.year) +
                       numerology::RatingText(numerology::DayRating(z.dayNumber, z.stars));
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    text += "\n_______________________________________________\n\n"
            "How to use this prediction:\n\n"
            "BAD DAY\nYou shouldn't plan to do anything important on such day.\n\n"
            "NORMAL DAY\nNothing out of the ordinary should happen on such day.\n\n"
            "GOOD DAY\nThis is your opportunity to do something important for you.";
    z.ui.info(kStarsCaption, text);
    return true;
}

}  // namespace zendary
