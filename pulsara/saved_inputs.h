// pulsara.ini: the full name and the birthday, one value a line.
#pragma once
#include <string>
#include <vector>

#include "pulsara/pulsara.h"

namespace pulsara {

// Takes the lines over the start values: name, birth month, day and year. A missing line,
// or one that holds no number in its field's range, leaves its field alone.
void applySavedInputs(const std::vector<std::string>& lines, PulsaraData& data);
// Name, month, day and year; no line end after the year.
std::string savedInputsText(const PulsaraData& data);

void loadSavedInputs(const shell::Paths& paths, PulsaraData& data);
// Failures are silent: the next start simply keeps its start values.
void saveSavedInputs(const shell::Paths& paths, const PulsaraData& data);

}  // namespace pulsara
