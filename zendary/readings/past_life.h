// The past-life reading ("P LIVES"): checks, confirmation, the conversation and the result.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool PastLifeReading(Zendary& z);

}  // namespace zendary
