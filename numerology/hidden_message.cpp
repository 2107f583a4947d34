#include "hidden_message.h"

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

}  // namespace

std::string SkipExtract(std::string_view text, std::size_t start, const SkipSteps& steps)
{
    const bool moves = steps[0] || steps[1] || steps[2] || steps[3];
    std::string result;
    std::size_t target = start;  // the next position the walk lands on
    std::size_t turn = 0;        // which step comes next
    std::size_t position = 0;    // character position of text[i]
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!startsCharacter(text[i]))
            continue;
        // A step of 0 lands on the same character again.
        while (position == target) {
            if (isTaken(text[i]))
                result += text[i];
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
    std::string text = SkipExtract(message, rule.firstStart, rule.firstSteps);
    return lowerCase(shrink(std::move(text), rule.shortEnough, rule.firstStart, rule.firstSteps));
}

std::string FinalLetters(std::string_view hiddenMessage, const DecodingRule& rule)
{
    return shrink(std::string(hiddenMessage), 1, rule.secondStart, rule.secondSteps);
}

const char* DecodingKey(std::string_view finalLetters)
{
    static const char* const keys[26] = {
        "accident or misfortune",  "boyfriend or girlfriend", "child or children",
        "death",                   "enemy",                   "friend",
        "boyfriend or girlfriend", "home",                    "coworker",
        "holiday or celebration",  "means of transportation", "love",
        "money or finance",        "night",                   "jewelry",
        "picture",                 "meeting or appointment",  "relative",
        "secret",                  "trip or travel",          "personal item",
        "victory or success",      "work",                    "feelings",
        "relationship",            "animal",
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
