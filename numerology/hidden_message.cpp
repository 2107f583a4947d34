#include "numerology/hidden_message.h"

namespace numerology {

const char* const kDecodingInstructions =
    "To decode the hidden message using the decoding key arrange any number\n"
    "of letters from the hidden message in any order to create at least few words.\n"
    "Pay attention to the words that have special meaning to you or words that\n"
    "attain such meaning if used with the decoding key.\n";

const char* const kDecodingRule = "____________________________________________________________";

namespace {

bool isTaken(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z' && c != 'r');
}

// A UTF-8 continuation byte belongs to the character before it.
bool startsCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Passes until the text is at most `limit` long or a pass stops shortening it.
std::string shrink(std::string text, std::size_t limit, std::size_t start, const SkipSteps& steps)
{
    while (text.size() > limit) {
        std::string next = SkipExtract(text, start, steps);
        if (next.size() >= text.size())
            break;
        text = std::move(next);
    }
    return text;
}

// After the first pass the text holds only letters that a pass takes, so a pass keeps
// exactly the characters it lands on, and where it lands depends on the length alone.
// The first phase can then run on lengths, and only the letters that survive are traced
// back through the passes: a few thousand passes over a long text with small steps cost
// microseconds instead of a walk over the whole text each time.
class Walk {
public:
    Walk(std::size_t start, const SkipSteps& steps) : start_(start)
    {
        for (std::size_t i = 1; i < offsets_.size(); ++i)
            offsets_[i] = offsets_[i - 1] + steps[i - 1];
        cycle_ = offsets_[3] + steps[3];
    }
    bool moves() const { return cycle_ > 0; }
    // Position of the k-th landing (counted from 0); the landings never go backwards.
    std::size_t landing(std::size_t k) const { return start_ + (k / 4) * cycle_ + offsets_[k % 4]; }
    // How many landings fall inside a text of this length.
    std::size_t landings(std::size_t length) const
    {
        std::size_t count = 0;
        for (std::size_t offset : offsets_) {
            const std::size_t first = start_ + offset;
            if (first < length)
                count += (length - 1 - first) / cycle_ + 1;
        }
        return count;
    }

private:
    std::size_t start_;
    std::array<std::size_t, 4> offsets_{};
    std::size_t cycle_ = 0;
};

// `shrink` for a text of letters that every pass takes.
std::string shrinkLetters(const std::string& letters, std::size_t limit, std::size_t start, const SkipSteps& steps)
{
    const Walk walk(start, steps);
    if (!walk.moves())
        return shrink(letters, limit, start, steps);
    std::size_t length = letters.size();
    std::size_t passes = 0;
    while (length > limit) {
        const std::size_t next = walk.landings(length);
        if (next >= length)
            break;
        length = next;
        ++passes;
    }
    std::string result;
    result.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        std::size_t position = i;
        for (std::size_t pass = 0; pass < passes; ++pass)
            position = walk.landing(position);
        result += letters[position];
    }
    return result;
}

}  // namespace

std::string SkipExtract(std::string_view text, std::size_t start, const SkipSteps& steps)
{
    const bool moves = steps[0] || steps[1] || steps[2] || steps[3];
    std::string result;
    std::size_t target = start;  // the next position the walk lands on
    std::size_t turn = 0;        // which step comes next
    std::size_t position = 0;    // character position of c
    for (const char c : text) {
        if (!startsCharacter(c))
            continue;
        // A step of 0 lands on the same character again.
        while (position == target) {
            if (isTaken(c))
                result += c;
            target += steps[turn];
            turn = (turn + 1) % steps.size();
            if (!moves)
                return result;
        }
        ++position;
    }
    return result;
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        count += startsCharacter(c);
    return count;
}

std::string HiddenMessage(std::string_view message, const DecodingRule& rule)
{
    const std::string letters = SkipExtract(message, rule.firstStart, rule.firstSteps);
    return lowerCase(shrinkLetters(letters, rule.shortEnough, rule.firstStart, rule.firstSteps));
}

std::string FinalLetters(std::string_view hiddenMessage, const DecodingRule& rule)
{
    return shrink(std::string(hiddenMessage), 1, rule.secondStart, rule.secondSteps);
}

const char* DecodingKey(std::string_view finalLetters)
{
    static const char* const keys[26] = {
        "accident or misfortune",
        "boyfriend or girlfriend",
        "child or children",
        "death",
        "enemy",
        "friend",
        "boyfriend or girlfriend",
        "home",
        "coworker",
        "holiday or celebration",
        "means of transportation",
        "love",
        "money or finance",
        "night",
        "jewelry",
        "picture",
        "meeting or appointment",
        "relative",
        "secret",
        "trip or travel",
        "personal item",
        "victory or success",
        "work",
        "feelings",
        "relationship",
        "animal",
    };
    if (!finalLetters.empty()) {
        const char c = finalLetters.front();
        if (c >= 'a' && c <= 'z')
            return keys[c - 'a'];
        if (c >= 'A' && c <= 'Z')
            return keys[c - 'A'];
    }
    return "no decoding key available";
}

Decoding DecodeMessage(std::string_view message, const DecodingRule& rule)
{
    Decoding decoding;
    decoding.hiddenMessage = HiddenMessage(message, rule);
    decoding.key = DecodingKey(FinalLetters(decoding.hiddenMessage, rule));
    return decoding;
}

}  // namespace numerology
