#include "kismora/date_profile.h"

#include <variant>
#include <vector>

#include "shell/bounded_read.h"
#include "shell/files.h"
#include "shell/utf8_text.h"

namespace kismora {

namespace {

const char* const kGenders[] = {"female", "male"};
const char* const kHair[] = {"bald", "white", "blond", "brunet", "red", "brown", "black"};
const char* const kEyes[] = {"blue", "brown", "green", "hazel"};
const char* const kRaces[] = {"african american", "american indian", "asian", "caucasian",
                              "hispanic",         "not important",   "other", "pacific islander"};
const char* const kReligions[] = {"christianity", "judaism", "islam", "buddism", "other", "none"};
const char* const kMarital[] = {"single", "separated", "divorced", "widowed", "married"};
const char* const kYesNo[] = {"no", "yes"};
const char* const kYesNoMaybe[] = {"maybe", "no", "yes"};
const char* const kDrinking[] = {"social", "occasional", "moderate", "every day", "none"};
const char* const kEducation[] = {"high school",   "some college",    "bachelor degree",
                                  "master degree", "advanced degree", "not important"};
const char* const kImportance[] = {"very important", "important", "casual", "not important"};

using FileField = std::variant<std::string DateProfile::*, int DateProfile::*>;

// The fields in the order the file keeps them.
const FileField kFileOrder[] = {
    &DateProfile::name,      &DateProfile::gender,  &DateProfile::drinking,     &DateProfile::education,
    &DateProfile::outdoors,  &DateProfile::travel,  &DateProfile::sports,       &DateProfile::movies,
    &DateProfile::music,     &DateProfile::hair,    &DateProfile::eyes,         &DateProfile::race,
    &DateProfile::religion,  &DateProfile::marital, &DateProfile::haveChildren, &DateProfile::wantChildren,
    &DateProfile::smoking,   &DateProfile::feet,    &DateProfile::weight,       &DateProfile::occupation,
    &DateProfile::residence, &DateProfile::inches,
};

}  // namespace

std::span<const char* const> genders()
{
    return kGenders;
}
std::span<const char* const> hairColors()
{
    return kHair;
}
std::span<const char* const> eyeColors()
{
    return kEyes;
}
std::span<const char* const> races()
{
    return kRaces;
}
std::span<const char* const> religions()
{
    return kReligions;
}
std::span<const char* const> maritalStatuses()
{
    return kMarital;
}
std::span<const char* const> yesNo()
{
    return kYesNo;
}
std::span<const char* const> yesNoMaybe()
{
    return kYesNoMaybe;
}
std::span<const char* const> drinkingHabits()
{
    return kDrinking;
}
std::span<const char* const> educationLevels()
{
    return kEducation;
}
std::span<const char* const> importances()
{
    return kImportance;
}

std::string ProfileFileText(const DateProfile& profile)
{
    std::string text;
    for (const FileField& field : kFileOrder) {
        if (&field != kFileOrder)
            text += '\n';
        if (const auto* member = std::get_if<std::string DateProfile::*>(&field))
            text += shell::oneLine(profile.*(*member));
        else
            text += std::to_string(profile.*std::get<int DateProfile::*>(field));
    }
    return text;
}

bool LoadProfile(const std::string& path, DateProfile& profile)
{
    // Whole lines, so that a long name never spills into the fields after it; a text
    // is kept as the file has it (the form's limits are typing limits).
    const auto lines = shell::readFileLines(path, std::size(kFileOrder));
    if (!lines)
        return false;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const FileField& field = kFileOrder[i];
        const std::string& line = (*lines)[i];
        if (const auto* member = std::get_if<std::string DateProfile::*>(&field))
            profile.*(*member) = line;
        else
            profile.*std::get<int DateProfile::*>(field) = shell::settingsInt(line, 0);
    }
    return true;
}

std::optional<std::string> ProfileCheck(const DateProfile& p)
{
    const auto tooLong = [](const std::string& text) { return shell::characterCount(text) >= 16; };
    if (p.name.empty())
        return "Please enter full name.    ";
    if (p.gender.empty())
        return "Please select gender.    ";
    if (p.hair.empty())
        return "Please select hair color.    ";
    if (p.eyes.empty())
        return "Please select eyes color.    ";
    if (p.feet < 2 || p.feet > 7)
        return "Please enter height between 2 and 7 feet.    ";
    if (p.inches < 0 || p.inches > 11)
        return "Please enter height between 0 and 11 inches.    ";
    if (p.weight == 0)
        return "Please enter weight in pounds.    ";
    if (p.race.empty())
        return "Please select race.    ";
    if (p.religion.empty())
        return "Please select religion.    ";
    if (p.marital.empty())
        return "Please select marital status.    ";
    if (p.haveChildren.empty())
        return "Please indicate if have children.    ";
    if (p.wantChildren.empty())
        return "Please indicate if want children.    ";
    if (p.smoking.empty())
        return "Please select smoking status.    ";
    if (p.drinking.empty())
        return "Please select drinking status.    ";
    if (p.education.empty())
        return "Please select education level.    ";
    if (p.occupation.empty())
        return "Please enter occupation.    ";
    if (tooLong(p.occupation))
        return "Please enter shorter description for: occupation.    ";
    if (p.residence.empty())
        return "Please enter country, state or city of residence.    ";
    if (tooLong(p.residence))
        return "Please enter shorter description for: residence.    ";
    if (p.outdoors.empty())
        return "Please select outdoors importance status.    ";
    if (p.travel.empty())
        return "Please select travel importance status.    ";
    if (p.sports.empty())
        return "Please select sports importance status.    ";
    if (p.movies.empty())
        return "Please select movies importance status.    ";
    if (p.music.empty())
        return "Please select music importance status.    ";
    return std::nullopt;
}

}  // namespace kismora
