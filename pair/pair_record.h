// The two people a pair reading is about, with the selected date and activity that the
// forecast and the report use. Plain C++: the Duovell window fills it, the readings read it.
#pragma once
#include <array>
#include <string>

#include "numerology/numerology.h"

namespace pairing {

using numerology::Date;

struct Individual {
    std::string firstName = "first name";  // at most 50 characters
    std::string lastName = "last name";    // at most 75 characters
    Date birthday{1, 1, 1900};
    std::string hair;  // list item, at most 25 characters
    std::string eyes;  // list item, at most 25 characters
    bool male = false;
    bool single = false;
    bool pets = false;

    // First name, one blank, last name.
    std::string fullName() const { return firstName + " " + lastName; }
};

struct PairRecord {
    Date selected;
    Individual one, two;
    std::string activity;  // list item, at most 50 characters
    int coupleType = 0;    // 1, 2 or 3 once a button has computed it
    bool bloodRelatives = false;
    // The four names at the last blood question: first 1, first 2, last 1, last 2.
    std::array<std::string, 4> askedNames{" ", " ", " ", " "};
};

}  // namespace pairing
