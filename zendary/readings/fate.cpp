#include "zendary/readings/fate.h"

#include "numerology/dates.h"

namespace zendary {

static const char* const kFateCaption = "FATE READING";

std::string FateText(int d, const numerology::StarNumbers& s)
{
    const char* fate = "can not affect your fate!";
    const char* advice = "Just follow your normal daily routine!";
    if (d == s.s0 || d == s.s1 || d == s.s3) {
        fate = "can change your fate for the better!";
    } else if (d == s.s2) {
        fate = "can change your fate for the worst!";
        advice = "Please be careful today!";
    } else if (d == s.s4) {
        fate = "can have catastrophic effect on your fate!";
        advice = "Please be extremely careful today!";
    }
    return std::string("FATE READING\n\nDecisions you make today ") + fate + "    \n\nDEATH READING\n\n" + advice +
           "\n";
}

bool FateReading(Zendary& z)
{
    static const char* const leadIn =
        "Fate Reading predicts the outcome of the decisions you make in any day in any year on your fate! "
        "You can go as far into the past or into the future as you want! Just enter your and your parents "
        "birthdays and then select any day in any year! Your Fate Reading will be clearly displayed!\n\n"
        "Is this information accurate?\n\n";
    if (!z.starsGate(kFateCaption, leadIn))
        return false;
    const auto& sel = z.data.selected;
    z.ui.info(kFateCaption, "This reading is based on the Egyptian Book of Dead.\n\n" +
                                numerology::DateText(sel.month, sel.day, sel.year) + "\n\n" +
                                FateText(z.dayNumber, z.stars));
    return true;
}

}  // namespace zendary
