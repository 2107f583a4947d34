// ballora.ini: the birthday, the three names and the max number text, one value a line.
// The selected date and the numbers are never kept.
#pragma once
#include <string>
#include <vector>

#include "ballora/ballora.h"
#include "shell/saved_inputs.h"

namespace ballora {

// Takes what the lines hold over the start values: a number only when it parses and is
// in its field's range, a text as it stands (a max number text too, even one the list
// does not hold: the checks then ask for a choice from the list). Missing lines leave
// their fields alone.
void applySavedInputs(const std::vector<std::string>& lines, BalloraData& data);
std::string savedInputsText(const BalloraData& data);

// The file, read when the window opens and written when it closes.
extern const shell::SavedInputs<BalloraData> kSavedInputs;

}  // namespace ballora
