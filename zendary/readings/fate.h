// How the decisions of the selected day bear on the user's fate, with a one-line
// advice for the day.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool FateReading(Zendary& z);  // FDR

// The fate text and the advice for the day number d.
std::string FateText(int d, const numerology::StarNumbers& s);

}  // namespace zendary
