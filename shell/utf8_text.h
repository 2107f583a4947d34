// Lengths and cuts of UTF-8 text by characters, as the edits count them, never splitting
// a character.
#pragma once
#include <string>

namespace shell {

std::size_t characterCount(const std::string& text);

// The text cut to at most `characters` characters.
std::string cutToCharacters(const std::string& text, std::size_t characters);

}  // namespace shell
