#include "furrowen/furrowen.h"

#include <tuple>

#include "numerology/dates.h"
#include "numerology/pet_day.h"
#include "shell/date_checks.h"

namespace furrowen {

static const char* const kCaption = "FURROWEN";

const char* const kHelpText = "Enter your pet's name and select its age.\n"
                              "Specify if it is a dog or a cat, and change the current date if necessary.\n"
                              "You can select any year from your pet's past, present or future.";

const std::vector<std::string>& AgeList()
{
    static const std::vector<std::string> ages = [] {
        std::vector<std::string> list;
        for (int n = 1; n <= 12; ++n)
            list.push_back(std::to_string(n) + (n == 1 ? " month" : " months"));
        for (int n = 1; n <= 30; ++n)
            list.push_back(std::to_string(n) + (n == 1 ? " year" : " years"));
        return list;
    }();
    return ages;
}

long long PetTotal(const PetData& d)
{
    return static_cast<long long>(d.dog) + d.cat + d.selected.month + d.selected.year + d.selected.day +
           numerology::NameValue(d.name) + numerology::NameValue(d.age);
}

Tense TenseOf(const Date& selected, const Date& start)
{
    const auto a = std::tie(selected.year, selected.month, selected.day);
    const auto b = std::tie(start.year, start.month, start.day);
    if (a < b)
        return Tense::Past;
    return a > b ? Tense::Future : Tense::Present;
}

// The kind follows the dog flag alone: with neither button pressed the pet is a cat.
static bool isDog(const PetData& d)
{
    return d.dog != 0;
}

std::string ConfirmationText(const PetData& d)
{
    return "Is this information accurate?\n\n"
           "Pet's Name:\t" +
           d.name + "\n" + "Pet's Age:\t" + d.age + "\n" + "It is:\t\t" + (isDog(d) ? "a dog\n\n" : "a cat\n\n") +
           "Selected Date:\t" + std::to_string(d.selected.month) + " " + std::to_string(d.selected.day) + " " +
           std::to_string(d.selected.year) + "     \n";
}

std::string ReadingText(const PetData& d, const Date& start)
{
    static const char* const tenses[] = {" was a", " is a", " will be a"};
    const Tense tense = TenseOf(d.selected, start);
    const char* verb = tenses[tense == Tense::Past ? 0 : tense == Tense::Present ? 1 : 2];
    const int digit = numerology::PetDayDigit(PetTotal(d));
    return "Numerological Reading for " + d.name + ", " + d.age +
           (isDog(d) ? " old dog:     \n\n" : " old cat:     \n\n") +
           numerology::DateText(d.selected.month, d.selected.day, d.selected.year) + verb +
           numerology::PetDayText(numerology::PetDayRating(digit)) + d.name + ".    ";
}

Furrowen::Furrowen(shell::Services& s) : services(s), ui(s.ui)
{
    const shell::DateTime today = s.clock.now();
    start = {today.month, today.day, today.year};
    data.selected = start;
}

bool Furrowen::Reading()
{
    if (data.name.empty()) {
        ui.stop(kCaption, "Please enter your pet's name!    ");
        return false;
    }
    if (!shell::datesValid(ui, "DATE ERROR", {&data.selected}))
        return false;
    if (data.age.empty()) {
        ui.stop(kCaption, "Please select your pet's age!    ");
        return false;
    }
    if (!ui.askYesNo(kCaption, ConfirmationText(data))) {
        ui.stop(kCaption, "Please correct any mistakes and try again!    ");
        return false;
    }
    ui.info(kCaption, ReadingText(data, start));
    return true;
}

void Furrowen::Help()
{
    ui.info(kCaption, kHelpText);
}

void Furrowen::pressDog()
{
    data.dog = 1;
    data.cat = 0;
}

void Furrowen::pressCat()
{
    data.dog = 0;
    data.cat = 1;
}

}  // namespace furrowen
