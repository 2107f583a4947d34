#include "zendary/readings/past_life_rules.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "numerology/numerology.h"

namespace zendary {

bool NamedByOccupation(const std::string& occupation)
{
    return occupation == "soldier" || occupation == "farmer" || occupation == "housekeeper" || occupation == "merchant";
}

bool Implausible(const PastLifeInput& in)
{
    const bool ad = in.era == Era::AD, bc = in.era == Era::BC;
    const std::string& job = in.occupation;
    const std::string& clue = in.clue;
    const bool vehicle = clue == "car" || clue == "plane" || clue == "train";
    return (job == "athlete" && ad && in.year < 1950) || ((clue == "car" || clue == "plane") && ad && in.year < 1900) ||
           (clue == "train" && ad && in.year < 1870) || (vehicle && bc) || clue == "god" || clue == "devil" ||
           (clue == "gun" && ((ad && in.year < 1700) || bc)) || (job == "athlete" && (in.age > 40 || bc)) ||
           (job == "slave" && ad && in.year > 1850) || (bc && in.year > 3000) ||
           (in.age <= 12 && job != "student" && job != "none");
}

int PastStep(int age)
{
    const int step = age <= 9 ? age : numerology::YearDigit(1900 + age);
    // Age 0 is refused before the walk; a step of at least 1 keeps the walk finite anyway.
    return std::max(step, 1);
}

int PastDistance(int birthYear, int year, int age, Era era)
{
    const long long step = PastStep(age);
    long long v = era == Era::AD ? birthYear : static_cast<long long>(kLastBcYear) - birthYear;
    // Step down while above the year: the number of steps is the rounded-up quotient.
    if (v > year)
        v -= (v - year + step - 1) / step * step;
    return static_cast<int>(std::min<long long>(std::llabs(v - year), INT_MAX));
}

using R = PastLifeRule;
static constexpr int kAny = INT_MAX;

// Tested in order; the first row whose distance, clue and flags hold gives the percentage.
static const PastLifeRule kRules[] = {
    {0, 2, {"death", "war"}, R::Recognised | R::Loss | R::Dream | R::Named | R::Repeated, "99.9"},
    {0, 2, {"death", "war", "blood"}, R::Recognised | R::Dream | R::Named | R::Repeated, "99"},
    {0, 2, {"funeral"}, R::Recognised | R::Dream | R::Named | R::Repeated, "98"},
    {0, 2, {"wedding"}, R::Recognised | R::Dream | R::Named | R::Repeated, "97"},
    {0, 2, {"sword"}, R::Recognised | R::Dream | R::Named | R::Repeated, "96"},
    {0, 2, {"house"}, R::Recognised | R::DejaVu | R::Named | R::Repeated, "95"},
    {0, 2, {"house"}, R::Recognised | R::DejaVu | R::Named | R::Loss, "95"},
    {0, 2, {"parent"}, R::Recognised | R::Dream | R::Named | R::Repeated, "94"},
    {0, 2, {"relative"}, R::Recognised | R::Dream | R::Named | R::Repeated, "93"},
    {0, 2, {"friend"}, R::Recognised | R::Dream | R::Named | R::Repeated, "92"},
    {0, 2, {"enemy"}, R::Recognised | R::Dream | R::Named | R::Repeated, "91"},
    {0, 2, {}, R::Recognised | R::Dream | R::Named | R::Repeated | R::Loss, "90"},
    {0, 2, {}, R::Recognised | R::DejaVu | R::Named | R::Repeated | R::Loss, "89"},
    {0, 2, {}, R::Recognised | R::Vision | R::Named | R::Repeated | R::Loss, "88"},
    {0, 2, {"horse"}, R::Recognised | R::Named | R::DreamOrDejaVu, "87"},
    {0, 2, {"crow"}, R::Recognised | R::Dream | R::Named, "86"},
    {0, 2, {"cat"}, R::Recognised | R::Dream | R::Named, "85"},
    {0, 2, {"dog"}, R::Recognised | R::Dream | R::Named, "84"},
    {0, 2, {"dog"}, R::Recognised | R::DejaVu | R::Named, "83"},
    {0, 2, {"cow"}, R::Recognised | R::Dream | R::Named, "82"},
    {0, 2, {"wolf"}, R::Recognised | R::Dream | R::Named, "81"},
    {0, 2, {"cow"}, R::Recognised | R::DejaVu | R::Named, "80"},
    {0, 2, {"wolf"}, R::Recognised | R::DejaVu | R::Named, "79"},
    {0, 2, {"moon"}, R::Recognised | R::Named | R::DreamOrDejaVu, "78"},
    {0, 2, {"field"}, R::Recognised | R::Named | R::DreamOrDejaVu, "77"},
    {0, 2, {}, R::Recognised | R::Dream | R::Repeated, "76"},
    {0, 2, {"bird"}, R::Recognised | R::DreamOrDejaVu, "75"},
    {0, 2, {"rat", "mouse"}, R::Recognised | R::Dream, "74"},
    {0, 2, {"rain"}, R::Recognised | R::DreamOrDejaVu, "73"},
    {0, 2, {}, R::Recognised | R::Vision | R::Repeated, "72"},
    {0, 2, {"house"}, R::Recognised | R::DejaVu, "71"},
    {0, 2, {}, R::Recognised | R::DejaVu | R::Repeated, "70"},
    {0, 2, {"death", "war"}, R::Dream | R::Repeated, "69"},
    {0, 2, {"death"}, R::Vision | R::Repeated, "69"},
    {0, 2, {"blood"}, R::Dream | R::Repeated, "68"},
    {0, 2, {"funeral"}, R::Dream | R::Repeated, "67"},
    {0, 2, {"wedding"}, R::Dream | R::Repeated, "66"},
    {0, 2, {}, R::Named | R::Dream | R::Repeated, "65"},
    {0, 2, {"sword"}, R::Dream | R::Repeated, "64"},
    {0, 2, {"house"}, R::DejaVu | R::Repeated, "63"},
    {0, 2, {}, R::Named | R::Vision | R::Repeated, "60"},
    {0, 2, {}, R::Named | R::DejaVu | R::Repeated, "55"},
    {0, 2, {"death", "war"}, R::Recognised | R::Dream, "54"},
    {0, 2, {"death"}, R::Recognised | R::Vision, "53"},
    {0, 2, {"blood"}, R::Recognised | R::Dream, "52"},
    {0, 2, {"blood"}, R::Recognised | R::Vision, "51"},
    {0, 1, {}, R::Dream | R::Repeated, "50"},
    {0, 1, {"funeral"}, R::Recognised | R::Dream, "49"},
    {0, 1, {"funeral"}, R::Recognised | R::Vision, "47"},
    {0, 1, {"house"}, R::Recognised | R::DejaVu, "46"},
    {0, 1, {}, R::Vision | R::Repeated, "45"},
    {0, 2, {"death", "war"}, R::Dream | R::Named, "44"},
    {0, 2, {"death"}, R::Vision | R::Named, "43"},
    {0, 2, {"blood"}, R::Dream | R::Named, "42"},
    {0, 2, {"funeral"}, R::Dream | R::Named, "41"},
    {0, 1, {}, R::DejaVu | R::Repeated, "40"},
    {0, 2, {"death", "war"}, R::Dream, "39"},
    {0, 2, {"death"}, R::Vision, "38"},
    {0, 2, {"blood"}, R::Dream, "37"},
    {0, 2, {"funeral"}, R::Dream, "36"},
    {0, 1, {}, R::Recognised | R::Repeated, "35"},
    {0, 1, {"parent"}, R::Recognised | R::DejaVu, "34"},
    {0, 1, {}, R::Recognised, "33"},
    {0, 1, {}, R::Loss, "31"},
    {0, 1, {}, R::Repeated, "30"},
    {0, 1, {}, R::Named, "25"},
    {0, 2, {"death", "war"}, 0, "24"},
    {0, 2, {"blood"}, 0, "22"},
    {0, 2, {"funeral"}, 0, "21"},
    {0, 1, {}, 0, "20"},
    {2, 2, {}, 0, "15"},
    {3, 3, {}, 0, "10"},
    {4, kAny, {}, 0, "0"},
};

std::span<const PastLifeRule> pastLifeRules()
{
    return kRules;
}

static unsigned flagBits(const PastLifeFlags& f)
{
    return (f.loss ? R::Loss : 0u) | (f.dejaVu ? R::DejaVu : 0u) | (f.dream ? R::Dream : 0u) |
           (f.vision ? R::Vision : 0u) | (f.repeated ? R::Repeated : 0u) | (f.recognised ? R::Recognised : 0u) |
           (f.named ? R::Named : 0u);
}

static bool holds(const PastLifeRule& rule, int distance, const std::string& clue, unsigned have)
{
    if (distance < rule.minDistance || distance > rule.maxDistance)
        return false;
    if (rule.clues[0] &&
        std::none_of(std::begin(rule.clues), std::end(rule.clues), [&](const char* c) { return c && clue == c; }))
        return false;
    const unsigned all = rule.flags & ~unsigned(R::DreamOrDejaVu);
    if ((have & all) != all)
        return false;
    return !(rule.flags & R::DreamOrDejaVu) || (have & (R::Dream | R::DejaVu));
}

int PastLifeRuleNumber(int distance, const std::string& clue, const PastLifeFlags& flags)
{
    const unsigned have = flagBits(flags);
    const auto rules = pastLifeRules();
    for (size_t i = 0; i < rules.size(); ++i)
        if (holds(rules[i], distance, clue, have))
            return static_cast<int>(i) + 1;
    return static_cast<int>(rules.size());  // only a negative distance gets here
}

std::string PastLifePercent(int distance, const std::string& clue, const PastLifeFlags& flags)
{
    return pastLifeRules()[PastLifeRuleNumber(distance, clue, flags) - 1].percent;
}

std::string PastLifeResultText(const std::string& percent)
{
    return "There is a " + percent + "% probability that you have experienced a past life event!";
}

}  // namespace zendary
