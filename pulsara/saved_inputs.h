// pulsara.ini: the full name and the birthday, one value a line.
#pragma once
#include <string>
#include <vector>

#include "pulsara/pulsara.h"
#include "shell/saved_inputs.h"

namespace pulsara {

// Takes the lines over the start values: name, birth month, day and year. A missing line,
// or one that holds no number in its field's range, leaves its field alone.
void applySavedInputs(const std::vector<std::string>& lines, PulsaraData& data);
// Name, month, day and year; no line end after the year.
std::string savedInputsText(const PulsaraData& data);

// The file, read when the window opens and written when it closes.
extern const shell::SavedInputs<PulsaraData> kSavedInputs;

}  // namespace pulsara
