// lex.ini: the recipient's birthday and name, kept between runs, one value a line.
#pragma once
#include <string>
#include <vector>

#include "lexivar/lexivar.h"

namespace lexivar {

// Takes what the lines hold over the start values: a number only when it parses and is in
// its field's range, a name as it stands. Missing lines leave their fields alone.
void applySavedInputs(const std::vector<std::string>& lines, LexivarData& data);
std::string savedInputsText(const LexivarData& data);

void loadSavedInputs(const shell::Paths& paths, LexivarData& data);
// Failures are silent: the next start simply keeps its start values.
void saveSavedInputs(const shell::Paths& paths, const LexivarData& data);

}  // namespace lexivar
