#include "zendary/readings/death.h"

#include <cstdlib>

namespace zendary {

using numerology::NameValue;
using numerology::NumberDigit;

static const char* const kDeathCaption = "DEATH READING";

int ThousandsStrip(int n)
{
    if (n > 1000 && n < 6000)
        return n % 1000;
    return n;
}

int DeathDays(const DeathRecord& r, int currentYear)
{
    const int t1 =
        ThousandsStrip(NameValue(r.name) + r.year + NameValue(r.gender) + NameValue(r.color) + NameValue(r.number));
    const int t2 = ThousandsStrip(NameValue(r.motherName) + r.motherYear);
    const int t3 = ThousandsStrip(NameValue(r.fatherName) + r.fatherYear);
    int f = std::abs(NumberDigit(t2) - NumberDigit(t3) + NumberDigit(t1));
    if (f == 0)
        f = 1;
    return 365 * (std::abs(currentYear - r.year) + 10 * f);
}

static bool validYear(int year)
{
    return year >= kFirstYear && year <= kLastYear;
}

// The first missing entry, with its message; the years' own prompts came with the transfer.
static bool complete(const Zendary& z, const DeathRecord& r)
{
    const struct {
        const std::string& text;
        const char* message;
    } names[] = {
        {r.name, "Please enter your full name.    "},
        {r.motherName, "Please enter your mother's full name.    "},
        {r.fatherName, "Please enter your father's full name.    "},
    };
    const int years[] = {r.year, r.motherYear, r.fatherYear};
    for (int i = 0; i < 3; ++i) {
        if (names[i].text.empty()) {
            z.ui.stop(kDeathCaption, names[i].message);
            return false;
        }
        if (!validYear(years[i]))
            return false;
    }
    // The parents' ages rule of the main window, on the dialog's years.
    if (!ParentsAges(z.ui, r.year, r.motherYear, r.fatherYear))
        return false;
    const struct {
        const std::string& choice;
        const char* message;
    } lists[] = {
        {r.gender, "Please select your gender.    "},
        {r.color, "Please select your favorite color.    "},
        {r.number, "Please select your favorite number.    "},
    };
    for (const auto& list : lists) {
        if (list.choice.empty()) {
            z.ui.stop(kDeathCaption, list.message);
            return false;
        }
    }
    return true;
}

static bool confirmed(const Zendary& z, const DeathRecord& r)
{
    const std::string text = "Is this information accurate?    \n\nYour Name:\t\t" + r.name +
                             "    \nYour Birth Year:\t\t" + std::to_string(r.year) + "\nYour Mother's Name:\t" +
                             r.motherName + "    \nYour Mother's Birth Year:\t" + std::to_string(r.motherYear) +
                             "\nYour Father's Name:\t" + r.fatherName + "    \nYour Father's Birth Year:\t" +
                             std::to_string(r.fatherYear) + "\nYour Gender:\t\t" + r.gender +
                             "\nYour Favorite Color:\t\t" + r.color + "\nYour Favorite Number:\t" + r.number + "\n";
    if (!z.ui.askYesNo(kDeathCaption, text)) {
        z.ui.stop(kDeathCaption, "Please correct any mistakes and try again!    ");
        return false;
    }
    z.ui.message(kDeathCaption,
                 "Please Note:\n\n1)  The Death Reading is biological.\nIt means accidents are not included.\n\n"
                 "2)  The Death Reading is days based.\nIs it total days or days left?\n\n"
                 "Some mysteries should be left alone...    \n",
                 shell::Icon::Question, shell::Buttons::Ok);
    return true;
}

bool DeathReading(const Zendary& z, DeathRecord& r)
{
    if (!complete(z, r) || !confirmed(z, r))
        return false;
    r.result = " " + std::to_string(DeathDays(r, z.services.clock.now().year));
    return true;
}

}  // namespace zendary
