// The superstition table: the beliefs behind the items of the superstition list.
#pragma once
#include <optional>
#include <span>
#include <string_view>

namespace zendary {

struct SuperstitionEntry {
    const char* keyword;
    int text;  // index into SuperstitionTexts()
};

// Keywords in table order; synonyms share one text.
std::span<const SuperstitionEntry> SuperstitionTable();
// The beliefs: a heading in capitals, a blank line, the belief.
std::span<const char* const> SuperstitionTexts();

// The belief of the keyword that equals the chosen text exactly, if any.
std::optional<std::string_view> LookUpSuperstition(std::string_view chosen);

}  // namespace zendary
