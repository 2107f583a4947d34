// The couples entries: for each sign its most and least compatible signs.
#include "zendary/readings/sign_couples.h"

#include <cctype>
#include <initializer_list>

namespace zendary {

using numerology::Sign;

namespace {

using enum numerology::Sign;

struct Couples {
    std::initializer_list<Sign> most;
    std::initializer_list<Sign> least;
};

// In the order of the sign tables.
const Couples kCouples[numerology::kSignCount] = {
    {{Taurus, Virgo, Scorpio, Capricorn, Pisces}, {Aries, Gemini, Leo, Libra, Sagittarius}},            // Capricorn
    {{Aries, Gemini, Libra, Sagittarius, Aquarius}, {Taurus, Cancer, Virgo, Scorpio, Pisces}},          // Aquarius
    {{Taurus, Cancer, Scorpio, Capricorn, Pisces}, {Aries, Gemini, Leo, Sagittarius, Aquarius}},        // Pisces
    {{Aries, Gemini, Leo, Sagittarius, Aquarius}, {Taurus, Cancer, Virgo, Capricorn, Pisces}},          // Aries
    {{Taurus, Cancer, Virgo, Capricorn, Pisces}, {Aries, Gemini, Leo, Sagittarius, Aquarius}},          // Taurus
    {{Aries, Gemini, Leo, Libra, Aquarius}, {Taurus, Cancer, Scorpio, Capricorn, Pisces}},              // Gemini
    {{Taurus, Cancer, Virgo, Scorpio, Pisces}, {Aries, Gemini, Libra, Sagittarius, Aquarius}},          // Cancer
    {{Aries, Gemini, Leo, Libra, Sagittarius}, {Taurus, Virgo, Scorpio, Capricorn, Pisces}},            // Leo
    {{Taurus, Cancer, Virgo, Scorpio, Capricorn}, {Aries, Leo, Libra, Sagittarius, Aquarius}},          // Virgo
    {{Gemini, Leo, Libra, Sagittarius, Aquarius}, {Cancer, Virgo, Scorpio, Capricorn}},                 // Libra
    {{Cancer, Virgo, Scorpio, Capricorn, Pisces}, {Gemini, Leo, Libra, Sagittarius, Aquarius}},         // Scorpio
    {{Aries, Leo, Libra, Sagittarius, Aquarius}, {Taurus, Cancer, Virgo, Scorpio, Capricorn, Pisces}},  // Sagittarius
};

std::string capitals(const char* name)
{
    std::string text(name);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string signLines(std::initializer_list<Sign> signs)
{
    std::string text;
    for (Sign sign : signs) {
        if (!text.empty())
            text += "\n";
        text += capitals(numerology::SignName(sign));
    }
    return text;
}

}  // namespace

std::string couplesEntry(Sign sign)
{
    const int index = static_cast<int>(sign);
    const Couples& couples = kCouples[(index >= 0 && index < numerology::kSignCount) ? index : 0];
    const std::string name = numerology::SignName(sign);
    // The Pisces entry has always had a single line break before its second heading.
    const char* gap = sign == Pisces ? "\n" : "\n\n";
    return capitals(name.c_str()) + "\n\n" + name + " most compatible signs\n\n" + signLines(couples.most) + gap +
           name + " least compatible signs\n\n" + signLines(couples.least);
}

}  // namespace zendary
