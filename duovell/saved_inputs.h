// duo.ini: the pair's names, birthdays, flags, hair and eyes kept between runs, twenty
// lines of one value each. The selected date and the activity are never kept.
#pragma once
#include <string>
#include <vector>

#include "pair/pair_record.h"
#include "shell/saved_inputs.h"

namespace duovell {

// The years the window accepts and a saved birthday may hold.
inline constexpr int kFirstYear = 1800;
inline constexpr int kLastYear = 2099;

// The file's twenty lines.
std::string SavedInputsText(const pairing::PairRecord& record);

// Takes what the file's lines hold into the record. A missing line, a number that does not
// parse or lies outside the window's range, keeps the value the record has.
void ApplySavedInputs(const std::vector<std::string>& lines, pairing::PairRecord& record);

// The file, read when the window opens and written when it closes.
extern const shell::SavedInputs<pairing::PairRecord> kSavedInputs;

}  // namespace duovell
