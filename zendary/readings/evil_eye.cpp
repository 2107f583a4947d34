#include "zendary/readings/evil_eye.h"

#include <algorithm>
#include <cctype>

#include "numerology/dates.h"

namespace zendary {

static const char* const kEvilEyeCaption = "EVIL EYE READING";

const char* EvilEyeVerdict(int d, const numerology::StarNumbers& s)
{
    static const char* const notSusceptible = " Not susceptible to the Evil Eye!                   ";
    static const char* const susceptible = " Susceptible to the Evil Eye!                       ";
    static const char* const putOnYou = " Someone put the Evil Eye on you!                   ";
    // The good and normal days are safe; the two bad-day numbers are told apart, s2 first.
    if (d == s.s0 || d == s.s1 || d == s.s3)
        return notSusceptible;
    if (d == s.s2)
        return susceptible;
    if (d == s.s4)
        return putOnYou;
    return notSusceptible;
}

std::string EvilEyeText(const Date& selected, int dayNumber, const numerology::StarNumbers& stars)
{
    std::string text =
        numerology::DateText(selected.month, selected.day, selected.year) + EvilEyeVerdict(dayNumber, stars);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text + "\n______________________________________________________\n\n"
                  "How to use this predictiction:\n\n"
                  "NOT SUSCEPTIBLE TO THE EVIL EYE\n"
                  "Nothing bad will happen to you on a such day no matter how hard other people wish for it.\n\n"
                  "SUSCEPTIBLE TO THE EVIL EYE\n"
                  "Bad things might happen to you on a such day, but only if someone wishes for it.\n\n"
                  "SOMEONE YOU KNOW PUT THE EVIL EYE ON YOU\n"
                  "Someone you know wished you bad things - this is why they are happening now or just about to begin.";
}

bool EvilEyeReading(Zendary& z)
{
    if (!z.DatesValid() || !z.PastLifeFields() || !z.ParentsAges() ||
        !z.ConfirmationBox(kEvilEyeCaption, "Is this information accurate?          \n\n", ConfirmForm::Full))
        return false;
    z.ui.info("EVIL EYE", "EVIL EYE\n\n"
                          "The fear of the evil eye is found all over the world and is as old as history. Many "
                          "cultures tell of people who can cast a spell simply by looking at their enemies with "
                          "envy or ill will, bringing them illness, loss or misfortune. Amulets, charms and "
                          "gestures have been used for thousands of years to turn such a look away.\n\n"
                          "Numerology knows the concept too: on some days a person is open to the ill wishes of "
                          "others, on other days nothing can touch them. Your reading will clearly state when you "
                          "are susceptible to the Evil Eye.");
    z.computeNumbers();
    z.ui.info(kEvilEyeCaption, EvilEyeText(z.data.selected, z.dayNumber, z.stars));
    return true;
}

}  // namespace zendary
