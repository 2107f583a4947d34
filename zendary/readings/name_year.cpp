#include "zendary/readings/name_year.h"

#include <algorithm>

namespace zendary {

namespace {

struct LetterSymbol {
    const char* symbol;
    const char* quality;
};

// A to Z.
const LetterSymbol kLetters[26] = {
    {"FIRE", "SPONTANEOUS"},    {"SNAKE", "INTELLIGENCE"}, {"LION", "BRAVERY"},    {"DOG", "LOYALTY"},
    {"STONE", "DEPENDABILITY"}, {"WATER", "HONESTY"},      {"SKY", "SINCERITY"},   {"STAR", "WARMTH"},
    {"OAK", "FIRMNESS"},        {"STEEL", "DECISIVENESS"}, {"DRAGON", "WISDOM"},   {"CAT", "INDEPENDENCE"},
    {"MOON", "ROMANTICISM"},    {"LIGHT", "KINDNESS"},     {"GOLD", "MAGNETISM"},  {"EARTH", "COMPASSION"},
    {"HAWK", "INSIGHT"},        {"SUN", "LEADERSHIP"},     {"WOLF", "RESILIENCE"}, {"FOX", "INTUITION"},
    {"BEAR", "STRENGTH"},       {"CLOUD", "FLEXIBILITY"},  {"DIAMOND", "CLARITY"}, {"FLOWER", "SENSITIVITY"},
    {"SAND", "FORGIVNESS"},     {"WIND", "ENDURANCE"},
};

struct YearAnimal {
    const char* name;
    const char* sketch;
    const char* famous;
};

#include "resources/zendary/name_year_animals.inc"

constexpr int kFirstAnimalYear = 1900;
constexpr int kLastAnimalYear = 2012;

const char* const kNameCaption = "NAME INTERPRETATION";

int letterIndex(char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    return -1;
}

const YearAnimal* animalOf(int year)
{
    if (year < kFirstAnimalYear || year > kLastAnimalYear)
        return nullptr;
    return &kYearAnimals[(year - kFirstAnimalYear) % 12];
}

bool refuse(Zendary& z, const char* message)
{
    z.ui.stop(kNameCaption, message);
    z.ui.info(kNameCaption,
              "For name interpretation just enter any first name, make sure that in Your Birthday Section the "
              "correct birth year is selected and click on the NME button.");
    return false;
}

}  // namespace

bool ValidFirstName(std::string_view name)
{
    return std::all_of(name.begin(), name.end(), [](char c) { return c == ' ' || letterIndex(c) >= 0; });
}

std::string LetterSymbolText(char letter)
{
    const int i = letterIndex(letter);
    if (i < 0)
        return {};
    return std::string("SYMBOL\t\t") + kLetters[i].symbol + "\n\nQUALITY\t\t" + kLetters[i].quality + "\t";
}

const char* YearAnimalName(int year)
{
    const YearAnimal* animal = animalOf(year);
    return animal ? animal->name : nullptr;
}

std::string YearAnimalText(int year)
{
    const YearAnimal* animal = animalOf(year);
    if (!animal)
        return {};
    return std::string("THE YEAR OF ") + animal->name + "\n\n" + animal->sketch + "\n\nWELL KNOWN " + animal->name +
           "\t\t" + animal->famous;
}

bool NameYearReading(Zendary& z)
{
    if (!z.DatesValid())
        return false;
    const std::string& name = z.data.nameYearName;
    if (name.empty())
        return refuse(z, "Please enter a first name!");
    if (!ValidFirstName(name))
        return refuse(z, "Valid names can only consist of letters from a to z or A to Z! Please enter a valid name!");
    if (!z.ParentsAges() || !z.ConfirmationBox(kNameCaption, "", ConfirmForm::Short))
        return false;
    z.ui.info("NAME - YEAR INTERPRETATION",
              "HOW NAME - YEAR INTERPRETATION WORKS\n\nEach name consists of a number of letters. Each letter has an "
              "ancient symbol associated with it. Each symbol can be interpreted according to your birthday.\n\n"
              "Year interpretation follows name interpretation.");
    for (char c : name)
        if (c != ' ')
            z.ui.info(kNameCaption, LetterSymbolText(c));
    const std::string year = YearAnimalText(z.data.own.year);
    if (!year.empty())
        z.ui.info("YEAR INTERPRETATION", year);
    return true;
}

}  // namespace zendary
