#include "bar/window/launcher_table.h"

namespace bar {

// Mnemonics are chosen so that no two buttons share one, "&Updates" (U) and "&Support"
// (S) included.
static constexpr LauncherButton kButtons[] = {
    {"&Zendary", "zendary", "numerology, astrology and past lives", kZendaryId, true},
    {"&Duovell", "duovell", "discover more about people via numerology, astrology", kDuovellId},
    {"&Kismora Analyzer", "kismora", "find your Kismora today", kKismoraId},
    {"&Lexivar", "lexivar", "find hidden messages in any text", kLexivarId},
    {"&Psyvane", "psyvane", "measure and develop your intuition", kPsyvaneId},
    {"Puls&ara", "pulsara", "measure biorhythms instantly", kPulsaraId},
    {"&Ballora", "ballora", "lucky numbers for any lottery", kBalloraId},
    {"&Quorvex", "quorvex", "numerology, astrology for the wall street", kQuorvexId},
    {"&Furlova", "furlova", "rate horse racing odds via numerology, astrology", kFurlovaId},
    {"Fu&rrowen", "furrowen", "learn more about your pets via numerology, astrology", kFurrowenId},
};

std::span<const LauncherButton> LauncherButtonTable()
{
    return kButtons;
}

}  // namespace bar
