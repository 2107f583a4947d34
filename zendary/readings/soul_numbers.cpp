#include "zendary/readings/soul_numbers.h"

#include <cstdlib>

#include "numerology/dates.h"

namespace zendary {

using numerology::BirthdayDigit;
using numerology::DateDigit;

namespace {

const char* const kSoulTexts[] = {
#include "resources/zendary/soul_texts.inc"
};
static_assert(std::size(kSoulTexts) == 10);

const char* const kFamilyCaption = "FAMILY NUMBERS";
const char* const kQuestion = "Is this information accurate?          \n\n";
const char* const kSoulExplanation =
    ". Soul number stays with an individual for life. Soul mates have mutual completing numbers. "
    "Mutual completing numbers are either numbers which are the same or their sum must be equal to "
    "number 7.\n\nMUTUALLY COMPLETING SOUL NUMBERS\n\n0 and 7\n1 and 6\n2 and 5\n3 and 4\n4 and 3\n"
    "5 and 2\n6 and 1\n7 and 0\n8 and 8\n9 and 7";

// The number box followed by the portrait of that number.
void showSoul(Zendary& z, const char* caption, const std::string& lead, int number)
{
    z.ui.info(caption, lead + std::to_string(number) + kSoulExplanation);
    if (const char* text = SoulText(number))
        z.ui.info(caption, text);
}

bool parentSoulNumber(Zendary& z, const Date& date, const char* label, const char* caption, const char* lead)
{
    if (!z.DatesValid())
        return false;
    const std::string block = std::string(label) + std::to_string(date.month) + " " + std::to_string(date.day) + " " +
                              std::to_string(date.year);
    if (!z.ParentsAges() || !z.confirmDateChanges(kFamilyCaption, kQuestion + block))
        return false;
    showSoul(z, caption, lead, BirthdayDigit(date.month, date.day, date.year));
    return true;
}

}  // namespace

const char* SoulText(int number)
{
    return number >= 0 && number <= 9 ? kSoulTexts[number] : nullptr;
}

SoulNumbers SoulNumbersFor(const Date& own, const Date& mother, const Date& father)
{
    int s0 = BirthdayDigit(own.month, own.day, own.year);
    int s1 = BirthdayDigit(mother.month, mother.day, mother.year);
    int s2 = BirthdayDigit(father.month, father.day, father.year);
    if (s0 == 9 && s1 == 9)
        s1 = 8;
    if (s0 == 9 && s2 == 9)
        s2 = 7;
    if (s0 == s1)
        s1 = DateDigit(s0 + s1);
    if (s0 == s2)
        s2 = DateDigit(s0 + s2);
    if (s1 == s2)
        s2 = DateDigit(s1 + s2);
    const int s3 = DateDigit(s0 + s1);
    int s4 = std::abs(s0 - s2);
    if (s4 == s0 || s4 == s3)
        s4 = DateDigit(2 * s4);
    return {s0, s3, s4};
}

bool YourSoulNumbers(Zendary& z)
{
    static const char* const caption = "YOUR SOUL NUMBERS";
    if (!z.DatesValid() || !z.ParentsAges() || !z.ConfirmationBox(caption, kQuestion, ConfirmForm::Full))
        return false;
    const SoulNumbers n = SoulNumbersFor(z.data.own, z.data.mother, z.data.father);
    showSoul(z, "SOUL NUMBER YOU", "Your soul number is: ", n.soul);
    z.ui.info("GOOD LUCK NUMBER YOU",
              "Your good luck number is: " + std::to_string(n.goodLuck) +
                  ". Good luck number stays with an individual for life. Soul mates have the same good luck "
                  "numbers.");
    z.ui.info("BAD LUCK NUMBER YOU",
              "Your bad luck number is: " + std::to_string(n.badLuck) +
                  ". Bad luck number stays with an individual for life. Soul mates have bad luck numbers which "
                  "are more than a single digit apart.");
    return true;
}

bool MotherSoulNumber(Zendary& z)
{
    return parentSoulNumber(z, z.data.mother, "Your Mother's Birthday\t", "SOUL NUMBER MOTHER",
                            "Your mother's soul number is: ");
}

bool FatherSoulNumber(Zendary& z)
{
    return parentSoulNumber(z, z.data.father, "Your Father's Birthday\t", "SOUL NUMBER FATHER",
                            "Your father's soul number is: ");
}

}  // namespace zendary
