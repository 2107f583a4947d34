#include "zendary/readings/day_readings.h"

#include <cstdlib>

#include "numerology/dates.h"

namespace zendary {

namespace {

// Every lead-in is the reading's promise, this middle, and how the answer is shown.
std::string leadIn(const char* first, const char* last)
{
    return std::string(first) +
           " You can go as far into the past or into the future as you want! Just enter your and your "
           "parents' birthdays and then select any day in any year! " +
           last + "\n\nIs this information accurate?\n\n";
}

std::string selectedDateText(const Zendary& z)
{
    const auto& sel = z.data.selected;
    return numerology::DateText(sel.month, sel.day, sel.year);
}

std::string numbersForBox(const std::array<int, 3>& n)
{
    return std::to_string(n[0]) + "   " + std::to_string(n[1]) + "   " + std::to_string(n[2]) + ".     \n";
}

// The checks of every day reading; in report mode the question is skipped.
bool dayGate(Zendary& z, const char* caption, const std::string& lead)
{
    if (!z.reportMode)
        return z.starsGate(caption, lead);
    if (!z.DatesValid() || !z.PastLifeFields())
        return false;
    z.computeNumbers();
    return z.ParentsAges();
}

struct PercentageReading {
    Percentage kind;
    const char* caption;
    const char* name;
    const char* first;
    const char* last;
};

bool showPercentage(Zendary& z, const PercentageReading& r)
{
    if (!z.starsGate(r.caption, leadIn(r.first, r.last)))
        return false;
    const int percent = PercentageFor(r.kind, z.stars, z.dayNumber, z.data.selected.day);
    z.ui.infoWithBar(
        r.caption,
        selectedDateText(z) + "\n\nYour " + r.name + " is " + std::to_string(percent) + "% of optimal.     \n",
        percent);
    return true;
}

}  // namespace

std::array<int, 3> LuckyFor(const numerology::StarNumbers& s, int d)
{
    std::array<int, 3> l{s.s0 * d, s.s1 * d, s.s3 * d};
    if (l[2] == l[0])
        l[2] += s.s3;
    if (l[2] == l[1])
        l[2] += s.s3;
    return l;
}

std::array<int, 3> UnluckyFor(const numerology::StarNumbers& s, int d, const std::array<int, 3>& lucky)
{
    std::array<int, 3> u{s.s2 * d, s.s4 * d, 6 * d};
    if (u[2] == u[0])
        u[2] = std::abs(u[2] - s.s4);
    if (u[2] == u[1])
        u[2] = std::abs(u[2] - s.s4);
    auto isLucky = [&](int n) { return n == lucky[0] || n == lucky[1] || n == lucky[2]; };
    // An unlucky number never coincides with a lucky one: each is pushed by its position.
    for (int i = 0; i < 3; ++i)
        if (isLucky(u[i]))
            u[i] += i + 1;
    return u;
}

int PercentageFor(Percentage kind, const numerology::StarNumbers& s, int d, int dayOfMonth)
{
    // Columns: life power, personal luck, business luck, spirit power.
    static const int kTable[9][4] = {
        {70, 80, 80, 70},   {80, 70, 90, 100},  // d is s0 or s1: odd, even day
        {90, 100, 100, 80}, {100, 90, 70, 90},  // d is s3: day not / day divisible by 3
        {40, 40, 50, 40},   {30, 50, 30, 30},   // d is s2: day divisible / not by 4
        {60, 60, 40, 50},                       // d is none of them and not s4
        {10, 20, 20, 10},   {20, 30, 10, 20},   // d is s4: day not / day divisible by 6
    };
    const int D = dayOfMonth;
    int row;
    if (d == s.s0 || d == s.s1)
        row = D % 2 != 0 ? 0 : 1;
    else if (d == s.s3)
        row = D % 3 != 0 ? 2 : 3;
    else if (d == s.s2)
        row = D % 4 == 0 ? 4 : 5;
    else if (d != s.s4)
        row = 6;
    else
        row = D % 6 != 0 ? 7 : 8;
    return kTable[row][static_cast<int>(kind)];
}

bool LuckyNumbers(Zendary& z)
{
    static const char* const caption = "LUCKY NUMBERS";
    const std::string lead = leadIn("Lucky Numbers Reading predicts three lucky numbers for any day in any year!",
                                    "Your Lucky Numbers Reading will be clearly displayed!");
    if (!dayGate(z, caption, lead))
        return false;
    z.lucky = LuckyFor(z.stars, z.dayNumber);
    if (!z.reportMode)
        z.ui.info(caption, selectedDateText(z) + "\n\nYour lucky numbers are: " + numbersForBox(z.lucky));
    return true;
}

bool UnluckyNumbers(Zendary& z)
{
    static const char* const caption = "UNLUCKY NUMBERS";
    const std::string lead = leadIn("Unlucky Numbers Reading predicts three unlucky numbers for any day in any year!",
                                    "Your Unlucky Numbers Reading will be clearly displayed!");
    if (!dayGate(z, caption, lead))
        return false;
    z.unlucky = UnluckyFor(z.stars, z.dayNumber, z.lucky);
    if (!z.reportMode)
        z.ui.info(caption, selectedDateText(z) + "\n\nYour unlucky numbers are: " + numbersForBox(z.unlucky));
    return true;
}

bool LifePower(Zendary& z)
{
    return showPercentage(z, {Percentage::LifePower, "LIFE POWER", "Life Power",
                              "Life Power Reading predicts your life force strength for any day in any year!",
                              "Your Life Force Reading will be clearly displayed! Longer bar is better!"});
}

bool PersonalLuck(Zendary& z)
{
    return showPercentage(z, {Percentage::PersonalLuck, "PERSONAL LUCK", "Personal Luck",
                              "Personal Luck Reading predicts your personal fortune for any day in any year!",
                              "Your Personal Luck Reading will be clearly displayed! Longer bar is better!"});
}

bool BusinessLuck(Zendary& z)
{
    return showPercentage(z, {Percentage::BusinessLuck, "BUSINESS LUCK", "Business Luck",
                              "Business Luck Reading predicts your business luck for any day in any year!",
                              "Your Business Luck Reading will be clearly displayed!"});
}

bool SpiritPower(Zendary& z)
{
    return showPercentage(z, {Percentage::SpiritPower, "SPIRIT POWER", "Spirit Power",
                              "Spirit Power Reading predicts the strength of your spirit for any day in any year!",
                              "Your Spirit Power Reading will be clearly displayed!"});
}

}  // namespace zendary
