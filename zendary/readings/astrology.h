// The twelve sign buttons and the seven astrological readings of the main window.
#pragma once
#include <string>

#include "zendary/readings/sign_texts.h"
#include "zendary/zendary.h"

namespace zendary {

enum class AstroTable { Love, Body, Wealth, Links, Traits, Couples, Careers };

// The entry of one reading table for one sign, as the reading shows it.
std::string astrologyEntry(AstroTable table, Sign sign);

// A sign button: the profile of `sign`, whatever the birthday, then the five element boxes.
bool SignProfile(Zendary& z, Sign sign);

template <Sign S>
bool SignButton(Zendary& z)
{
    return SignProfile(z, S);
}

// The reading of the user's own sun sign from `table`, after the short confirmation.
bool AstrologicalReading(Zendary& z, AstroTable table);

template <AstroTable T>
bool AstrologyButton(Zendary& z)
{
    return AstrologicalReading(z, T);
}

}  // namespace zendary
