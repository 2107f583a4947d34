// The pet's day rules that Furrowen and the main program's pets reading share.
#pragma once
#include "numerology/numerology.h"

namespace numerology {

// Furrowen's total reduced to its last two digits: only totals 1001-5999 are reduced,
// 00 counts as 1, and any other total gives 1.
int PetTotalStrip(long long total);

// Furrowen's day digit 1-9 of a pet total, offset as YearDigit does.
int PetDayDigit(long long total);

// Digits 3, 7, 9 are good days; 2, 5, 6 bad; every other digit (0, 1, 4, 8) normal.
Rating PetDayRating(int digit);

// " Good Day for ", " Normal Day for " or " Bad Day for ".
const char* PetDayText(Rating rating);

}  // namespace numerology
