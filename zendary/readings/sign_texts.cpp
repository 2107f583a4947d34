#include "zendary/readings/sign_texts.h"

namespace zendary {

static const SignTexts kSignTexts[numerology::kSignCount] = {
#include "resources/zendary/zodiac_capricorn.inc"
    ,
#include "resources/zendary/zodiac_aquarius.inc"
    ,
#include "resources/zendary/zodiac_pisces.inc"
    ,
#include "resources/zendary/zodiac_aries.inc"
    ,
#include "resources/zendary/zodiac_taurus.inc"
    ,
#include "resources/zendary/zodiac_gemini.inc"
    ,
#include "resources/zendary/zodiac_cancer.inc"
    ,
#include "resources/zendary/zodiac_leo.inc"
    ,
#include "resources/zendary/zodiac_virgo.inc"
    ,
#include "resources/zendary/zodiac_libra.inc"
    ,
#include "resources/zendary/zodiac_scorpio.inc"
    ,
#include "resources/zendary/zodiac_sagittarius.inc"
};

const SignTexts& signTexts(Sign sign)
{
    const int index = static_cast<int>(sign);
    return kSignTexts[(index >= 0 && index < numerology::kSignCount) ? index : 0];
}

const std::array<const char*, 5>& elementTexts()
{
    static const std::array<const char*, 5> texts = {
#include "resources/zendary/zodiac_elements.inc"
    };
    return texts;
}

}  // namespace zendary
