// The soulmate and friends check: Duovell's eight pair readings for two full names and
// birthdays typed into the main window, in a box (CRA) or as a report (CRR).
#pragma once
#include <string>

namespace zendary {

class Zendary;

// The two names in force at the last confirmation; a new pair of names asks again.
struct SoulmateNames {
    std::string first, second;
};

bool SoulmateCheck(Zendary& z);   // CRA
bool SoulmateReport(Zendary& z);  // CRR

}  // namespace zendary
