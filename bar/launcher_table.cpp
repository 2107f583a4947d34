#include "bar/launcher_table.h"

namespace bar {

// Mnemonics are chosen so that no two buttons share one, "&Updates" (U) and "&Support"
// (S) included.
static constexpr LauncherButton kButtons[] = {
    {1, "&Zendary", "zendary", "numerology, astrology and past lives"},
    {1000, "&Duovell", "duovell", "discover more about people via numerology, astrology"},
    {1002, "&Kismora Analyzer", "kismora", "find your Kismora today"},
    {1006, "&Lexivar", "lexivar", "find hidden messages in any text"},
    {1008, "&Psyvane", "psyvane", "measure and develop your intuition"},
    {1013, "Puls&ara", "pulsara", "measure biorhythms instantly"},
    {1012, "&Ballora", "ballora", "lucky numbers for any lottery"},
    {1010, "&Quorvex", "quorvex", "numerology, astrology for the wall street"},
    {1011, "&Furlova", "furlova", "rate horse racing odds via numerology, astrology"},
    {1007, "Fu&rrowen", "furrowen", "learn more about your pets via numerology, astrology"},
};

std::span<const LauncherButton> LauncherButtonTable()
{
    return kButtons;
}

}  // namespace bar
