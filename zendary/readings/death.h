// The death reading: three names and birth years of the family, a gender, a favourite
// colour and a favourite number turned into a number of days. Plain C++.
#pragma once
#include <string>

#include "zendary/zendary.h"

namespace zendary {

// The dialog's own record. The years start as those of the start date; the dialog
// replaces them with the main window's.
struct DeathRecord {
    std::string name;  // the full names at most 150 characters each
    int year = Date{}.year;
    std::string motherName;
    int motherYear = Date{}.year;
    std::string fatherName;
    int fatherYear = Date{}.year;
    std::string gender;  // the three choices at most 30 each
    std::string color;
    std::string number;
    std::string result;  // the days, at most 20, read-only
};

// 1001-5999 lose their thousands; every other number stays as it is.
int ThousandsStrip(int n);

// The number of days for the record and the current year.
int DeathDays(const DeathRecord& r, int currentYear);

// The checks, the confirmation and the note; on success the result field holds the
// days. `z` lends its seams and the parents' ages rule; its own record is not touched.
bool DeathReading(const Zendary& z, DeathRecord& r);

}  // namespace zendary
