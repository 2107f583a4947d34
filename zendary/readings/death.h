// The death reading: three names and birth years of the family, a gender, a favourite
// colour and a favourite number turned into a number of days. Plain C++.
#pragma once
#include <string>

#include "zendary/zendary.h"

namespace zendary {

struct DeathRecord {
    std::string name;        // 1094, at most 150
    int year = 1900;         // 1024, 1800-2099
    std::string motherName;  // 1025
    int motherYear = 1900;   // 1026
    std::string fatherName;  // 1027
    int fatherYear = 1900;   // 1029
    std::string gender;      // 1002, at most 30
    std::string color;       // 1020
    std::string number;      // 1014
    std::string result;      // 1030, at most 20, read-only
};

// 1001-5999 lose their thousands; every other number stays as it is.
int ThousandsStrip(int n);

// The number of days for the record and the current year.
int DeathDays(const DeathRecord& r, int currentYear);

// The checks, the confirmation and the note; on success the result field holds the
// days. `z` lends its seams and the parents' ages rule; its own record is not touched.
bool DeathReading(const Zendary& z, DeathRecord& r);

}  // namespace zendary
