#include "zendary/readings/gems.h"

namespace zendary {

static const char* const kGemsCaption = "BIRTHSTONES - FLOWERS - SYMBOLS";

static const char* const kMonths[12] = {
    "BIRTHSTONE\tGarnet\n\nFLOWER\t\tSnowdrop\n\nSYMBOL\t\tConstancy",
    "BIRTHSTONE\tAmethyst\n\nFLOWER\t\tPrimrose\n\nSYMBOL\t\tSincerity",
    "BIRTHSTONE\tBloodstone\n\nFLOWER\t\tViolet\n\nSYMBOL\t\tCourage",
    "BIRTHSTONE\tDiamond\n\nFLOWER\t\tDaisy\n\nSYMBOL\t\tPurity",
    "BIRTHSTONE\tEmarald\n\nFLOWER\t\tHawthorn\n\nSYMBOL\t\tHope",
    "BIRTHSTONE\tMoonstone or Agate\n\nFLOWER\t\tWild Rose or Honeysuckle\n\nSYMBOL\t\tHealth",
    "BIRTHSTONE\tRuby\n\nFLOWER\t\tLily\n\nSYMBOL\t\tPassion",
    "BIRTHSTONE\tSardonyx\n\nFLOWER\t\tPoppy\n\nSYMBOL\t\tConjugal Happiness",
    "BIRTHSTONE\tSapphire\n\nFLOWER\t\tConvolvulus\n\nSYMBOL\t\tRepentance",
    "BIRTHSTONE\tOpal or Amber\n\nFLOWER\t\tCarnation\n\nSYMBOL\t\tLoveliness",
    "BIRTHSTONE\tTopaz\n\nFLOWER\t\tChrysanthemum\n\nSYMBOL\t\tCheerfulness",
    "BIRTHSTONE\tTurquoise\n\nFLOWER\t\tHolly\n\nSYMBOL\t\tUnselfishness",
};

const char* GemsText(int month)
{
    return month >= 1 && month <= 12 ? kMonths[month - 1] : nullptr;
}

bool GemsReading(Zendary& z)
{
    if (!z.DatesValid() || !z.PastLifeFields() || !z.ParentsAges() ||
        !z.ConfirmationBox("GEMS READING", "", ConfirmForm::Short))
        return false;
    z.ui.info(kGemsCaption, "BIRTHSTONES\n\n"
                            "Since ancient times gems were believed to protect the wearer against evil and to bring "
                            "good fortune. The custom of birthstones is traced back to the high priest of Memphis, "
                            "about 4000 B.C., who wore a breastplate set with twelve stones, one for each month of "
                            "the year. Later the twelve stones were linked with the signs of the zodiac and the "
                            "months, and it became the custom to wear the stone of one's birth month as a talisman. "
                            "Each month also has its own flower and its own symbol, the virtue the stone is said to "
                            "bestow.");
    // DatesValid has already passed, so the month is within 1-12.
    z.ui.info(kGemsCaption, GemsText(z.data.own.month));
    return true;
}

}  // namespace zendary
