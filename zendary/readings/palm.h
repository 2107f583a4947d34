// The palm reading (PMR): a guided tour of the lines of the right palm.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool PalmReading(Zendary& z);

}  // namespace zendary
