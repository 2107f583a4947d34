// Hidden messages: letters pulled out of a text at skip distances, shrunk to a hidden
// message and then to one letter that names the decoding key. Shared by Lexivar and by
// Zendary's message box. Texts are UTF-8; positions and lengths count characters.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace numerology {

// The four skip distances, used in turn.
using SkipSteps = std::array<unsigned, 4>;

// Walks the text from position `start` (counted from 0), advancing by the next step each
// time, and collects the ASCII letters it lands on; a lower-case "r" is never taken
// (an upper-case "R" is). A walk whose steps are all 0 visits its start once.
std::string SkipExtract(std::string_view text, std::size_t start, const SkipSteps& steps);

// Number of characters of a UTF-8 text (line breaks count as typed).
std::size_t CharacterCount(std::string_view text);

struct DecodingRule {
    std::size_t firstStart;  // the first phase: extraction passes until the text is short
    SkipSteps firstSteps;
    std::size_t shortEnough;
    std::size_t secondStart;  // the second phase: passes down to one letter
    SkipSteps secondSteps;
};

// First phase: one pass over the message, then further passes while the text is longer
// than `shortEnough`. A pass that no longer shortens the text would repeat for ever
// (a step of 0 takes a letter twice), so the phase ends there with the shorter text.
// Returns the hidden message in lower case.
std::string HiddenMessage(std::string_view message, const DecodingRule& rule);

// Second phase: passes over the hidden message while it is longer than one letter
// (or until a pass no longer shortens it).
std::string FinalLetters(std::string_view hiddenMessage, const DecodingRule& rule);

// The key phrase of the first letter, or "no decoding key available" for an empty text.
const char* DecodingKey(std::string_view finalLetters);

struct Decoding {
    std::string hiddenMessage;
    std::string key;
};
Decoding DecodeMessage(std::string_view message, const DecodingRule& rule);

// The closing lines of every decoding result.
extern const char* const kDecodingInstructions;
// The separator line of the result boxes: sixty underscores.
extern const char* const kDecodingRule;

}  // namespace numerology
