// A one-line character sketch for the user's blood type, reached through a chain of questions.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool BloodTypeReading(Zendary& z);  // BLR

}  // namespace zendary
