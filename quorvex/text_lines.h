// Whole lines of a small text file, read without trusting it.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// At most `maxLines` lines, each cut at its line break (a carriage return before it
// dropped) and at a NUL byte, and kept to at most `maxBytes` bytes, the size of the line
// the file's reader takes. Nothing when the file cannot be opened.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path, std::size_t maxLines,
                                                      std::size_t maxBytes);

// The text cut to at most `maxBytes` bytes, never inside a character.
std::string CutToBytes(const std::string& text, std::size_t maxBytes);

}  // namespace quorvex
