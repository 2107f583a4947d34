// Lucky and unlucky numbers and the four percentage readings of the selected date.
// With reportMode on, the lucky and unlucky numbers run their checks but skip the
// confirmation and the result box, and only store their numbers (the daily report).
#pragma once
#include <array>

#include "zendary/zendary.h"

namespace zendary {

bool LuckyNumbers(Zendary& z);    // LNS
bool UnluckyNumbers(Zendary& z);  // UNS
bool LifePower(Zendary& z);       // LPW
bool PersonalLuck(Zendary& z);    // PLK
bool BusinessLuck(Zendary& z);    // BLK
bool SpiritPower(Zendary& z);     // SPW

// The rules behind the readings, over the star numbers and the day number d.
std::array<int, 3> LuckyFor(const numerology::StarNumbers& s, int d);
// `lucky` holds the numbers of the last lucky reading (zeros before the first).
std::array<int, 3> UnluckyFor(const numerology::StarNumbers& s, int d, const std::array<int, 3>& lucky);

enum class Percentage { LifePower, PersonalLuck, BusinessLuck, SpiritPower };
// The percentage of optimal for the day of the month `dayOfMonth`.
int PercentageFor(Percentage kind, const numerology::StarNumbers& s, int d, int dayOfMonth);

}  // namespace zendary
