// lex.ini: the recipient's birthday and name, kept between runs, one value a line.
#pragma once
#include <string>
#include <vector>

#include "lexivar/lexivar.h"
#include "shell/saved_inputs.h"

namespace lexivar {

// Takes what the lines hold over the start values: a number only when it parses and is in
// its field's range, a name as it stands. Missing lines leave their fields alone.
void applySavedInputs(const std::vector<std::string>& lines, LexivarData& data);
std::string savedInputsText(const LexivarData& data);

// The file, read when the window opens and written when it closes.
extern const shell::SavedInputs<LexivarData> kSavedInputs;

}  // namespace lexivar
