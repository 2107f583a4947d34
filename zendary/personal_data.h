// The main window's input record, in the order its fields are read from the window.
#pragma once
#include <string>

#include "numerology/numerology.h"

namespace zendary {

using numerology::Date;

struct PersonalData {
    Date own, mother, father, selected;
    std::string dream;         // 1071, at most 50
    std::string occupation;    // 1002, at most 55
    int pastYear = 0;          // 1076, 0-9000
    int pastAge = 0;           // 1079, 0-99
    std::string superstition;  // 1020, at most 100
    std::string clue;          // 1014, at most 55
    std::string message;       // 1094, at most 50000
    std::string firstName;     // 1110, at most 75
    std::string secondName;    // 1111, at most 75
    Date first, second;        // 1038/1105/1106 and 1107/1108/1109
    std::string number;        // 1104, at most 25
    std::string color;         // 1006, at most 25
    std::string shape;         // 1007, at most 25
    std::string nameYearName;  // 1116, at most 50
    std::string petName;       // 1118, at most 50
    std::string spellName;     // 1120, at most 80
    std::string team1, team2;  // 1122, 1123, at most 80 each
};

}  // namespace zendary
