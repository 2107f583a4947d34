// The hidden-message decoder, with rules drawn from the input: the walks take only ASCII
// letters (never a lower-case r), and each phase ends with lower-case letters.
#include "fuzz_support.h"
#include "numerology/hidden_message.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 11)
        return 0;
    numerology::DecodingRule rule{};
    rule.firstStart = data[0] % 16;
    rule.secondStart = data[1] % 16;
    rule.shortEnough = data[2] % 64;
    for (int i = 0; i < 4; ++i) {
        rule.firstSteps[i] = data[3 + i] % 8;
        rule.secondSteps[i] = data[7 + i] % 8;
    }
    const std::string message = fuzz::asText(data + 11, size - 11);
    fuzz::check(numerology::CharacterCount(message) <= message.size(), "no more characters than bytes");
    const std::string walk = numerology::SkipExtract(message, rule.firstStart, rule.firstSteps);
    for (char c : walk)
        fuzz::check(((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) && c != 'r', "a walk takes letters, no r");
    const auto decoding = numerology::DecodeMessage(message, rule);
    // A step of 0 takes a letter again, so a pass may take each character up to 4 times.
    fuzz::check(decoding.hiddenMessage.size() <= 4 * numerology::CharacterCount(message),
                "a pass takes at most 4 a character");
    for (char c : decoding.hiddenMessage)
        fuzz::check(c >= 'a' && c <= 'z', "the hidden message is lower-case letters");
    fuzz::check(!decoding.key.empty(), "there is always a key phrase");
    return 0;
}
