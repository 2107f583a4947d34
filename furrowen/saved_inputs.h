// furrowen.ini: the pet's name, its age and whether it is a dog, one value a line.
#pragma once
#include <string>
#include <vector>

#include "furrowen/furrowen.h"
#include "shell/saved_inputs.h"

namespace furrowen {

// Takes the lines over the start values: name, age, and a dog flag that any non-zero
// number sets. Missing lines leave their fields alone.
void applySavedInputs(const std::vector<std::string>& lines, PetData& data);
std::string savedInputsText(const PetData& data);

// The file, read when the window opens and written when it closes.
extern const shell::SavedInputs<PetData> kSavedInputs;

}  // namespace furrowen
