// The couples entry of a sign: its most and least compatible signs.
#pragma once
#include <string>

#include "numerology/sun_sign.h"

namespace zendary {

// Most and least compatible signs, built from the fixed couples table.
std::string couplesEntry(numerology::Sign sign);

}  // namespace zendary
