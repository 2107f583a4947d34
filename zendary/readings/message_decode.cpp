#include "zendary/readings/message_decode.h"

#include "zendary/zendary.h"

namespace zendary {

const numerology::DecodingRule kMessageBoxRule{1, {7, 8, 3, 7}, 18, 1, {1, 2, 2, 1}};

static const char* const kMessageDecodeCaption = "LEXIVAR";

std::string MessageDecodeText(const numerology::Decoding& decoding)
{
    const std::string rule = numerology::kDecodingRule;
    return "These readings are based on The Egyptian Book of Dead and The Cabala.           \n" + rule + "\n\n" +
           "Hidden Message:\t\t" + decoding.hiddenMessage + "\n" + rule + "\n" + "\nDecoding Key:\t\t" + decoding.key +
           "\n" + rule + "\n\n" + numerology::kDecodingInstructions;
}

bool DecodeMessage(Zendary& z)
{
    const std::size_t length = numerology::CharacterCount(z.data.message);
    if (length == 0) {
        z.ui.stop(kMessageDecodeCaption, "No message to decode! Please enter a message first!");
        return false;
    }
    if (length < 50) {
        z.ui.stop(kMessageDecodeCaption, "Message is too short for decoding! Please enter another message!");
        return false;
    }
    if (length > 49999) {
        z.ui.stop(kMessageDecodeCaption, "Message you have selected is too long for Lexivar to decode!\n"
                                         "Please select a shorter message and try again.");
        return false;
    }
    z.ui.info(kMessageDecodeCaption, MessageDecodeText(numerology::DecodeMessage(z.data.message, kMessageBoxRule)));
    return true;
}

}  // namespace zendary
