#include "bar/window/launcher_table.h"

namespace bar {

// Mnemonics are chosen so that no two buttons share one, "&Updates" (U) and "&Support"
// (S) included.
static constexpr LauncherButton kButtons[] = {
    {kZendaryId, "&Zendary", "zendary", "numerology, astrology and past lives", true},
    {kDuovellId, "&Duovell", "duovell", "discover more about people via numerology, astrology"},
    {kKismoraId, "&Kismora Analyzer", "kismora", "find your Kismora today"},
    {kLexivarId, "&Lexivar", "lexivar", "find hidden messages in any text"},
    {kPsyvaneId, "&Psyvane", "psyvane", "measure and develop your intuition"},
    {kPulsaraId, "Puls&ara", "pulsara", "measure biorhythms instantly"},
    {kBalloraId, "&Ballora", "ballora", "lucky numbers for any lottery"},
    {kQuorvexId, "&Quorvex", "quorvex", "numerology, astrology for the wall street"},
    {kFurlovaId, "&Furlova", "furlova", "rate horse racing odds via numerology, astrology"},
    {kFurrowenId, "Fu&rrowen", "furrowen", "learn more about your pets via numerology, astrology"},
};

std::span<const LauncherButton> LauncherButtonTable()
{
    return kButtons;
}

}  // namespace bar
