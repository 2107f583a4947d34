// The life-long numbers beside the birthday columns: the user's soul, good luck and
// bad luck numbers, and the mother's and father's soul numbers.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool YourSoulNumbers(Zendary& z);   // YNS
bool MotherSoulNumber(Zendary& z);  // MNS
bool FatherSoulNumber(Zendary& z);  // FNS

struct SoulNumbers {
    int soul = 0, goodLuck = 0, badLuck = 0;
    bool operator==(const SoulNumbers&) const = default;
};

// Like the star numbers, except that the bad luck number is corrected only when it
// equals the soul or the good luck number, and the father's digit gets no last correction.
SoulNumbers SoulNumbersFor(const Date& own, const Date& mother, const Date& father);

// "Number 0" to "Number 9" with their portraits; null outside 0 to 9.
const char* SoulText(int number);

}  // namespace zendary
