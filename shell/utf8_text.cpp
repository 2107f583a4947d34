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
    return text.substr(0, afterCharacters(text, 0, characters));
}

std::size_t afterCharacters(std::string_view text, std::size_t start, std::size_t characters)
{
    std::size_t at = start;
    for (std::size_t count = 0; at < text.size(); ++at) {
        if (startsCharacter(text[at]) && count++ == characters)
            break;
    }
    return at;
}

// The start of the character that holds byte `at`, but not before `floor`.
static std::size_t characterStart(const std::string& text, std::size_t at, std::size_t floor)
{
    while (at > floor && !startsCharacter(text[at]))
        --at;
    return at;
}

std::size_t pieceEnd(const std::string& text, std::size_t start, std::size_t bytes)
{
    if (start + bytes >= text.size())
        return text.size();
    const std::size_t end = characterStart(text, start + bytes, start);
    return end > start ? end : start + bytes;  // no character starts there at all: bytes it is
}

std::string cutToBytes(const std::string& text, std::size_t bytes)
{
    return text.size() <= bytes ? text : text.substr(0, characterStart(text, bytes, 0));
}

}  // namespace shell
