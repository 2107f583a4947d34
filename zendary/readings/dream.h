// Dream interpretation (DRS): the meaning of what the user dreamed of.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool DreamReading(Zendary& z);

}  // namespace zendary
