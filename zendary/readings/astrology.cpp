#include "zendary/readings/astrology.h"

#include "zendary/readings/sign_couples.h"

namespace zendary {

static const char* const kProfileCaption = "ASTROLOGICAL PROFILE";
static const char* const kReadingCaption = "ASTROLOGICAL READING";

std::string astrologyEntry(AstroTable table, Sign sign)
{
    const SignTexts& texts = signTexts(sign);
    switch (table) {
    case AstroTable::Love: return texts.love;
    case AstroTable::Body: return texts.body;
    case AstroTable::Wealth: return texts.wealth;
    case AstroTable::Links: return texts.links;
    case AstroTable::Traits: return texts.traits;
    case AstroTable::Couples: return couplesEntry(sign);
    case AstroTable::Careers: break;
    }
    return texts.careers;
}

static const char* confirmationCaption(AstroTable table)
{
    switch (table) {
    case AstroTable::Love: return "ASTROLOGICAL READING - LOVE";
    case AstroTable::Body: return "ASTROLOGICAL READING - BODY";
    case AstroTable::Wealth: return "ASTROLOGICAL READING - WEALTH";
    case AstroTable::Links: return "ASTROLOGICAL READING - LINKS";
    case AstroTable::Traits: return "ASTROLOGICAL READING - TRAITS";
    case AstroTable::Couples: return "ASTROLOGICAL READING - COUPLES";
    case AstroTable::Careers: break;
    }
    return "ASTROLOGICAL READING - CAREERS";
}

bool SignProfile(Zendary& z, Sign sign)
{
    if (!z.DatesValid() || !z.PastLifeFields() || !z.ParentsAges())
        return false;
    z.ui.info(kProfileCaption, signTexts(sign).profile);
    for (const char* text : elementTexts())
        z.ui.info(kProfileCaption, text);
    return true;
}

bool AstrologicalReading(Zendary& z, AstroTable table)
{
    if (!z.DatesValid() || !z.PastLifeFields() || !z.ParentsAges())
        return false;
    if (!z.ConfirmationBox(confirmationCaption(table), "", ConfirmForm::Short))
        return false;
    z.ui.info(kReadingCaption, astrologyEntry(table, numerology::SunSign(z.data.own.month, z.data.own.day)));
    return true;
}

}  // namespace zendary
