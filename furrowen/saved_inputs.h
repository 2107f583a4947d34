// furrowen.ini: the pet's name, its age and whether it is a dog, one value a line.
#pragma once
#include <string>
#include <vector>

#include "furrowen/furrowen.h"

namespace furrowen {

// Takes the lines over the start values: name, age, and a dog flag that any non-zero
// number sets. Missing lines leave their fields alone.
void applySavedInputs(const std::vector<std::string>& lines, PetData& data);
std::string savedInputsText(const PetData& data);

void loadSavedInputs(const shell::Paths& paths, PetData& data);
// Failures are silent: the next start simply keeps its start values.
void saveSavedInputs(const shell::Paths& paths, const PetData& data);

}  // namespace furrowen
