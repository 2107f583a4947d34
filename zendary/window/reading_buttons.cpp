// Which plain reading each button of the main window runs. Buttons without a row here
// are either served by the window itself (window_buttons.cpp) or not built yet.
#include "zendary/readings/astrology.h"
#include "zendary/readings/blood_type.h"
#include "zendary/readings/daily_report.h"
#include "zendary/readings/day_readings.h"
#include "zendary/readings/dream.h"
#include "zendary/readings/evil_eye.h"
#include "zendary/readings/fate.h"
#include "zendary/readings/gems.h"
#include "zendary/readings/love_spell.h"
#include "zendary/readings/mental_power.h"
#include "zendary/readings/name_year.h"
#include "zendary/readings/palm.h"
#include "zendary/readings/past_life.h"
#include "zendary/readings/pets.h"
#include "zendary/readings/soul_numbers.h"
#include "zendary/readings/soulmate.h"
#include "zendary/readings/stars.h"
#include "zendary/readings/sports.h"
#include "zendary/readings/superstition.h"
#include "zendary/window/reading_buttons.h"

namespace zendary {

static const ReadingButton kButtons[] = {
    {1, StarsReading},
    // Day readings, soul numbers and fate.
    {3, LuckyNumbers},
    {4, UnluckyNumbers},
    {5, LifePower},
    {6, PersonalLuck},
    {7, BusinessLuck},
    {8, SpiritPower},
    {1080, YourSoulNumbers},
    {1081, MotherSoulNumber},
    {1082, FatherSoulNumber},
    {1089, FateReading},
    // Astrology.
    {1050, SignButton<Sign::Aquarius>},
    {1051, SignButton<Sign::Aries>},
    {1052, SignButton<Sign::Cancer>},
    {1054, SignButton<Sign::Capricorn>},
    {1055, SignButton<Sign::Gemini>},
    {1056, SignButton<Sign::Libra>},
    {1057, SignButton<Sign::Sagittarius>},
    {1058, SignButton<Sign::Leo>},
    {1059, SignButton<Sign::Pisces>},
    {1061, SignButton<Sign::Scorpio>},
    {1062, SignButton<Sign::Taurus>},
    {1063, SignButton<Sign::Virgo>},
    {1064, AstrologyButton<AstroTable::Love>},
    {1065, AstrologyButton<AstroTable::Body>},
    {1066, AstrologyButton<AstroTable::Wealth>},
    {1067, AstrologyButton<AstroTable::Links>},
    {1068, AstrologyButton<AstroTable::Traits>},
    {1069, AstrologyButton<AstroTable::Couples>},
    {1070, AstrologyButton<AstroTable::Careers>},
    {1092, DailyReport},
    // Dreams, superstitions, gems, evil eye, blood type.
    {1072, DreamReading},
    {1083, SuperstitionReading},
    {1084, GemsReading},
    {1085, EvilEyeReading},
    {1091, BloodTypeReading},
    // Past lives, palm, name-year, love spells, sports.
    {1075, PastLifeReading},
    {1093, PalmReading},
    {1117, NameYearReading},
    {1121, LoveSpells},
    {1124, SportsNumerology},
    // Soulmate and friends.
    {1114, SoulmateCheck},
    {1115, SoulmateReport},
    // Pets.
    {1119, PetsReading},
    // Mental powers.
    {1098, NumbersExercise},
    {1099, ColorsExercise},
    {1100, ShapesExercise},
    {1101, DevelopAdvice},
    {1102, FineTuneAdvice},
    {1103, IntuitionPower},
};

std::span<const ReadingButton> readingButtons()
{
    return kButtons;
}

}  // namespace zendary
