// The name-year reading (NME): a symbol and a quality for each letter of a first name,
// then the animal of the user's birth year.
#pragma once
#include <string>
#include <string_view>

#include "zendary/zendary.h"

namespace zendary {

// Letters A-Z in either case and blanks only; the empty name passes (it has its own message).
bool ValidFirstName(std::string_view name);

// "SYMBOL\t\t<symbol>\n\nQUALITY\t\t<quality>\t" for a letter, empty for anything else.
std::string LetterSymbolText(char letter);

// The animal of a year the animal table covers ("RAT"...), or null outside those years.
const char* YearAnimalName(int year);
// The year box: the animal, its sketch and a well-known person; empty when the year has none.
std::string YearAnimalText(int year);

bool NameYearReading(Zendary& z);

}  // namespace zendary
