// The fixed texts of the twelve signs and of the elements, embedded at build time from
// resources/zendary/. Every sign entry begins with the sign's name in capitals and "\n\n".
#pragma once
#include <array>

#include "numerology/sun_sign.h"

namespace zendary {

using numerology::Sign;

// What the sign is associated with, for the daily report's "Associations" block.
struct SignAssociations {
    const char* bodyArea;
    const char* colours;  // several colours are separated by commas
    const char* metal;
    const char* stone;
    const char* plants;
    const char* countries;
};

struct SignTexts {
    const char* profile;  // name, date range, portrait
    const char* love;
    const char* body;
    const char* food;  // a paragraph the daily report adds to the body text
    const char* wealth;
    const char* links;  // where the sign's symbol comes from
    SignAssociations associations;
    const char* traits;    // "Negative ... traits" and their list
    const char* positive;  // "Positive ... traits" and their list, for the daily report
    const char* careers;   // "Career" and a list of occupations
};

const SignTexts& signTexts(Sign sign);

// "Zodiac Attraction" and the four element texts, in the order they are shown.
const std::array<const char*, 5>& elementTexts();

}  // namespace zendary
