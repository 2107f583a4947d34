// Whether the user is susceptible to the evil eye on the selected date.
#pragma once
#include <string>

#include "zendary/zendary.h"

namespace zendary {

// The verdict for a day number, each text padded with blanks to 52 characters.
const char* EvilEyeVerdict(int dayNumber, const numerology::StarNumbers& stars);

// The date, the verdict in capitals and the legend.
std::string EvilEyeText(const Date& selected, int dayNumber, const numerology::StarNumbers& stars);

bool EvilEyeReading(Zendary& z);  // EER

}  // namespace zendary
