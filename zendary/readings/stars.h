// The Stars reading (STS): a good, normal or bad day for the selected date.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool StarsReading(Zendary& z);

}  // namespace zendary
