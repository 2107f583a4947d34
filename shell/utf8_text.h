// Lengths and cuts of UTF-8 text by characters, as the edits count them, never splitting
// a character.
#pragma once
#include <string>
#include <string_view>

namespace shell {

std::size_t characterCount(const std::string& text);

// The text cut to at most `characters` characters.
std::string cutToCharacters(const std::string& text, std::size_t characters);

// Where the `characters` characters that begin at `start` end: at the text's end when it
// has fewer.
std::size_t afterCharacters(std::string_view text, std::size_t start, std::size_t characters);

// The text cut to at most `bytes` bytes, between characters.
std::string cutToBytes(const std::string& text, std::size_t bytes);

// Where a piece of at most `bytes` bytes that starts at `start` ends: at `start + bytes`,
// or before the character that would be split there. Never before `start + 1`.
std::size_t pieceEnd(const std::string& text, std::size_t start, std::size_t bytes);

}  // namespace shell
