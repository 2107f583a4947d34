// Love spells (SPS): instructions for a spell with a number and a folding count.
#pragma once
#include <string>

#include "numerology/numerology.h"
#include "zendary/zendary.h"

namespace zendary {

enum class SpellTarget { Man, Woman };

// Name value plus the selected date's year digit, month and day.
int SpellNumber(const std::string& name, const numerology::Date& selected);

// How many times the paper is folded: from the spell number, step down by the star
// number of the target until a star number or a count below 2 is met. A step of 0
// (possible for a man) cannot change the count, so the count is then the spell number.
int FoldingCount(int spellNumber, const numerology::StarNumbers& stars, SpellTarget target);

// The spell text and the paper picture.
std::string SpellText(const std::string& name, int n, int k, SpellTarget target);  // spell number n, k folds
std::string PaperPicture(const std::string& name, int n);

bool LoveSpells(Zendary& z);

}  // namespace zendary
