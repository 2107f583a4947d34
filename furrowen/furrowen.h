// Furrowen's record and its reading conversation. Plain C++: it talks to the user only
// through the Ui seam.
#pragma once
#include <string>
#include <vector>

#include "numerology/numerology.h"
#include "shell/seams.h"

namespace furrowen {

using numerology::Date;

struct PetData {
    std::string name;  // at most 100
    std::string age;   // one of the age list or empty
    int dog = 0;       // set by Dog, cleared by Cat
    int cat = 0;       // set by Cat, cleared by Dog
    Date selected;
};

enum class Tense { Past, Present, Future };

// "1 month" ... "12 months", "1 year" ... "30 years".
const std::vector<std::string>& AgeList();

// The pet's total: both kind flags, the date and the letters and digits of name and age.
long long PetTotal(const PetData& data);
Tense TenseOf(const Date& selected, const Date& start);

std::string ConfirmationText(const PetData& data);
std::string ReadingText(const PetData& data, const Date& start);

extern const char* const kHelpText;

class Furrowen {
public:
    Furrowen(shell::Services& services);

    shell::Services& services;
    shell::Ui& ui;
    PetData data;
    Date start;  // today when the window opened; the tense is taken against it

    // READING on the fields already read: checks, confirmation and the verdict.
    // True when the verdict was shown.
    bool Reading();
    void Help();
    void pressDog();
    void pressCat();
};

}  // namespace furrowen
