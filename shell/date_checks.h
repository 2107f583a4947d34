// The day-of-month check every program runs over its dates before a reading or on exit.
#pragma once
#include <initializer_list>
#include <string>

#include "numerology/numerology.h"
#include "shell/seams.h"

namespace shell {

// Checks the dates in order; the first that fails shows its message, if it has one, in a
// stop box under `caption`, and the check gives false.
bool datesValid(Ui& ui, const std::string& caption, std::initializer_list<const numerology::Date*> dates);

}  // namespace shell
