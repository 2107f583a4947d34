// Superstitions (SUS): the belief behind the chosen item of the superstition list.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool SuperstitionReading(Zendary& z);

}  // namespace zendary
