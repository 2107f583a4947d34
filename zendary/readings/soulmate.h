// The soulmate and friends check: Duovell's eight pair readings for two full names and
// birthdays typed into the main window, in a box (CRA) or as a report (CRR).
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool SoulmateCheck(Zendary& z);   // CRA
bool SoulmateReport(Zendary& z);  // CRR

}  // namespace zendary
