// Which plain reading each button of the main window runs. Buttons without a row here
// are either served by the window itself (window_buttons.cpp) or not built yet.
#include "blood_type.h"
#include "day_readings.h"
#include "dream.h"
#include "evil_eye.h"
#include "fate_reading.h"
#include "gems.h"
#include "love_spell.h"
#include "name_year.h"
#include "palm_reading.h"
#include "past_life.h"
#include "readings.h"
#include "soul_numbers.h"
#include "sports.h"
#include "superstition.h"

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
};

std::span<const ReadingButton> readingButtons()
{
    return kButtons;
}

}  // namespace zendary
