// duo.ini: the pair's names, birthdays, flags, hair and eyes kept between runs, twenty
// lines of one value each. The selected date and the activity are never kept.
#pragma once
#include <string>

#include "pair/pair_record.h"

namespace duovell {

// The years the window accepts and a saved birthday may hold.
inline constexpr int kFirstYear = 1800;
inline constexpr int kLastYear = 2099;

extern const char* const kSavedInputsFile;  // "duo.ini", in the data folder

// The file's twenty lines.
std::string SavedInputsText(const pairing::PairRecord& record);

// Takes what the file holds into the record. A missing file changes nothing; a missing
// line, a number that does not parse or lies outside the window's range, keeps the value
// the record has.
void LoadSavedInputs(const std::string& path, pairing::PairRecord& record);

}  // namespace duovell
