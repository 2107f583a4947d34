// What the love-spell reading remembers between presses.
#pragma once
#include <string>

namespace zendary {

struct LoveSpellMemory {
    std::string name;  // the name last shown in the confirmation; empty at start
};

}  // namespace zendary
