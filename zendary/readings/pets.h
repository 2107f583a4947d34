// The main window's one-field pets reading (PTS): the pet's day on the selected date.
#pragma once
#include <string_view>

#include "numerology/numerology.h"
#include "zendary/zendary.h"

namespace zendary {

// The day digit 0-9 of a pet's name on a date.
int PetDigit(const numerology::Date& date, std::string_view name);

bool PetsReading(Zendary& z);  // PTS

}  // namespace zendary
