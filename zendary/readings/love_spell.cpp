#include "zendary/readings/love_spell.h"

#include <algorithm>
#include <cctype>

#include "numerology/dates.h"

namespace zendary {

static const char* const kLoveSpellCaption = "LOVE SPELLS";
static const char* const kConfirmCaption = "LOVE SPELS";  // the question box's own caption

int SpellNumber(const std::string& name, const numerology::Date& selected)
{
    return numerology::NameValue(name) + numerology::YearDigit(selected.year) + selected.month + selected.day;
}

int FoldingCount(int spellNumber, const numerology::StarNumbers& s, SpellTarget target)
{
    const int s3 = s.s3 == s.s4 ? s.s0 : s.s3;
    const int step = target == SpellTarget::Man ? s.s4 : s3;
    int k = spellNumber;
    if (k == s3)
        return k;
    while (k != s.s4 && k != s.s0 && k != s.s1 && k != s.s2 && k >= 2) {
        // Star numbers are never negative; a zero step would leave the count as it is for ever.
        if (step <= 0)
            break;
        k -= step;
        if (k == s3)
            break;
    }
    return k;
}

static std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::string SpellText(const std::string& name, int n, int k, SpellTarget target)
{
    const char* ending;
    if (target == SpellTarget::Man)
        ending = k < 6 ? " times and burn it facing west! Then wait 2 days and do it again!"
                       : " times and burn it facing north! Then wait 3 days and do it again!";
    else
        ending = k < 6 ? " times and burn it facing south! Then wait 4 days and do it again!"
                       : " times and burn it facing east! Then wait 1 day and do it again!";
    return upper("love spell for " + name) + "\n\nOn a peace of paper write " + name + " and the number " +
           std::to_string(n) + " in the four corners of the paper. In the center write " + name +
           "'s last name in reverse order. Fold it " + std::to_string(k) + ending;
}

std::string PaperPicture(const std::string& name, int n)
{
    const std::string corner = name + std::to_string(n);
    return "Here is how your paper should look before you fold it and burn:   \n\n" + corner + "\t\t\t" + corner +
           "\n\n\n\n\t      " + name + "'s last name in reverse order\n\n\n\n" + corner + "\t\t\t" + corner;
}

// Asked unless both the dates and the name are the ones last shown.
static bool confirmSpell(Zendary& z)
{
    if (!z.datesChanged() && !z.spellNameChanged())
        return true;
    z.rememberDates();
    z.rememberSpellName();
    const PersonalData& d = z.data;
    const std::string text = "Is this information accurate?          \n\n" +
                             numerology::BirthdayLines(d.own, d.mother, d.father, d.selected) +
                             "\nThe person's name\t\t" + d.spellName;
    return z.confirm(kConfirmCaption, text);
}

bool LoveSpells(Zendary& z)
{
    if (!z.DatesValid())
        return false;
    const std::string& name = z.data.spellName;
    if (name.empty()) {
        z.ui.stop(kLoveSpellCaption,
                  "You must enter the first name of the person you want to put your love spell on in "
                  "order for your spell to work!");
        z.ui.info(kLoveSpellCaption, "Please enter the first name of the person you want to put your love spell on and "
                                     "click on the SPS button. Instructions on how to put your spell will be clearly "
                                     "displayed.");
        return false;
    }
    const numerology::StarNumbers stars = numerology::ComputeStarNumbers(z.data.own, z.data.mother, z.data.father);
    if (!z.ParentsAges() || !confirmSpell(z))
        return false;
    const int n = SpellNumber(name, z.data.selected);

    SpellTarget target = SpellTarget::Man;
    if (!z.ui.askYesNo(kLoveSpellCaption, "Do you want to put your love spell on a man?")) {
        if (z.ui.message(kLoveSpellCaption, "Do you want to put your love spell on a woman?", shell::Icon::Information,
                         shell::Buttons::YesNo) != shell::Answer::Yes) {
            z.ui.stop(kLoveSpellCaption,
                      "Love Spells described here work only for people! Please choose either a man or a "
                      "woman as the object of your spell!");
            return false;
        }
        target = SpellTarget::Woman;
    }
    z.ui.info(kLoveSpellCaption, SpellText(name, n, FoldingCount(n, stars, target), target));
    z.ui.info(kLoveSpellCaption, PaperPicture(name, n));
    return true;
}

}  // namespace zendary
