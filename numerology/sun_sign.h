// The sun sign of a birthday. Plain C++, no windowing code.
#pragma once

namespace numerology {

// In the order the sign tables use.
enum class Sign { Capricorn, Aquarius, Pisces, Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius };

constexpr int kSignCount = 12;

// The sign of a month and day of a valid date. A month outside 1-12 counts as
// December, so that no input can read outside the table.
Sign SunSign(int month, int day);

// "Capricorn" ... "Sagittarius".
const char* SignName(Sign sign);

}  // namespace numerology
