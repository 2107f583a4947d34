// The message box of the main window: its decoder with fixed skip distances (DEC).
#pragma once
#include <string>

#include "numerology/hidden_message.h"

namespace zendary {

class Zendary;

// Fixed steps 7, 8, 3, 7 down to 18 letters, then 1, 2, 2, 1 down to one.
extern const numerology::DecodingRule kMessageBoxRule;

std::string MessageDecodeText(const numerology::Decoding& decoding);

// DEC on the record already read: length checks, then the result box.
bool DecodeMessage(Zendary& z);

}  // namespace zendary
