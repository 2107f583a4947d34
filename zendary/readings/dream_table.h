// The dream keyword table: fixed, ordered keywords leading to traditional meanings.
#pragma once
#include <optional>
#include <span>
#include <string_view>

namespace zendary {

enum class Match {
    Prefix,  // the dream text begins with the keyword (a stem such as "danc" is enough)
    Whole,   // the dream text is exactly the keyword
};

struct DreamEntry {
    const char* keyword;
    Match match;
    int text;  // index into DreamTexts()
};

// The keyword entries in the order they are tested.
std::span<const DreamEntry> DreamTable();
// The meaning texts: a heading in capitals, a blank line, the meaning.
std::span<const char* const> DreamTexts();

// The meaning of the first entry that matches the dream text byte for byte, if any.
std::optional<std::string_view> InterpretDream(std::string_view dream);

}  // namespace zendary
