// Lucky and unlucky numbers and the four percentage readings of the selected date.
// With reportMode on, the lucky and unlucky numbers run their checks but skip the
// confirmation and the result box, and only store their numbers (the daily report).
#pragma once
#include "zendary.h"

namespace zendary {

bool LuckyNumbers(Zendary& z);    // LNS
bool UnluckyNumbers(Zendary& z);  // UNS
bool LifePower(Zendary& z);       // LPW
bool PersonalLuck(Zendary& z);    // PLK
bool BusinessLuck(Zendary& z);    // BLK
bool SpiritPower(Zendary& z);     // SPW

}  // namespace zendary
