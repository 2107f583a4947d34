// The Stars reading (STS): a good, normal or bad day for the selected date.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

// The reading's caption and the lead-in of its confirmation; the stars calendar asks the same.
extern const char* const kStarsCaption;
extern const char* const kStarsLeadIn;

bool StarsReading(Zendary& z);

}  // namespace zendary
