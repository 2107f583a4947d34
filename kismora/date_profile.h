// One person described by the profile form (the user, the ideal partner or a date) and
// the small text file that keeps it, one value a line.
#pragma once
#include <optional>
#include <span>
#include <string>

namespace kismora {

struct DateProfile {
    std::string name;
    std::string gender;
    std::string drinking;
    std::string education;
    std::string outdoors;
    std::string travel;
    std::string sports;
    std::string movies;
    std::string music;
    std::string hair;
    std::string eyes;
    std::string race;
    std::string religion;
    std::string marital;
    std::string haveChildren;
    std::string wantChildren;
    std::string smoking;
    int feet = 0;
    int weight = 0;
    std::string occupation;
    std::string residence;
    int inches = 0;

    bool operator==(const DateProfile&) const = default;
};

// Longest accepted texts, in characters.
constexpr int kNameLength = 125;

// The choices of the form's drop-down lists, in the order the lists show them.
std::span<const char* const> genders();
std::span<const char* const> hairColors();
std::span<const char* const> eyeColors();
std::span<const char* const> races();
std::span<const char* const> religions();
std::span<const char* const> maritalStatuses();
std::span<const char* const> yesNo();
std::span<const char* const> yesNoMaybe();
std::span<const char* const> drinkingHabits();
std::span<const char* const> educationLevels();
std::span<const char* const> importances();

// The file text: the values one a line in file order, the inches last without a line end.
std::string ProfileFileText(const DateProfile& profile);

// Reads a profile file over `profile`: every line present replaces its field (a text
// up to its line feed), a number line that is not a number gives 0. False (and the
// record untouched) when the file cannot be opened.
bool LoadProfile(const std::string& path, DateProfile& profile);

// The first complaint about an incomplete record, or none.
std::optional<std::string> ProfileCheck(const DateProfile& profile);

}  // namespace kismora
