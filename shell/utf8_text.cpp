#include "shell/utf8_text.h"

namespace shell {

// Continuation bytes of UTF-8 (10xxxxxx) belong to the character before them.
static bool startsCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::size_t characterCount(const std::string& text)
{
    std::size_t count = 0;
    for (char c : text)
        count += startsCharacter(c);
    return count;
}

std::string cutToCharacters(const std::string& text, std::size_t characters)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (startsCharacter(text[i])) {
            if (count == characters)
                return text.substr(0, i);
            ++count;
        }
    }
    return text;
}

}  // namespace shell
