// Edit texts as Qt holds them, in UTF-16 units: a character beyond the first 65536 is
// a pair of units, and no limit or cut may keep half of one.
#pragma once
#include <QString>

namespace shell {

// At most `units` units of the text, one fewer where the last would be half a pair.
QString cutToUnits(const QString& text, int units);

// The text without any half of a pair (one left over by a cut elsewhere).
QString withoutBrokenPairs(const QString& text);

}  // namespace shell
