// The main window's input record, in the order its fields are read from the window.
#pragma once
#include <string>

#include "numerology/numerology.h"

namespace zendary {

using numerology::Date;

// The years a year field accepts, and the farthest past-life year before Christ.
constexpr int kFirstYear = 1800;
constexpr int kLastYear = 2099;
constexpr int kLastBcYear = 9000;

struct PersonalData {
    Date own, mother, father, selected;
    std::string dream;         // at most 50
    std::string occupation;    // at most 55
    int pastYear = 0;          // up to kLastBcYear
    int pastAge = 0;           // 0-99
    std::string superstition;  // at most 100
    std::string clue;          // at most 55
    std::string message;       // at most 50000
    std::string firstName;     // soulmate check, at most 75
    std::string secondName;    // at most 75
    Date first, second;        // the two soulmate birthdays
    std::string number;        // mental powers, at most 25
    std::string color;         // at most 25
    std::string shape;         // at most 25
    std::string nameYearName;  // at most 50
    std::string petName;       // at most 50
    std::string spellName;     // at most 80
    std::string team1, team2;  // at most 80 each
};

}  // namespace zendary
