// Birthstone, flower and symbol of the own birth month.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

// The text of a birth month 1-12.
const char* GemsText(int month);

bool GemsReading(Zendary& z);  // GMS

}  // namespace zendary
