#include "quorvex/text_lines.h"

#include <fstream>

namespace quorvex {

std::string CutToBytes(const std::string& text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    // Step back over the continuation bytes of a character the cut would split.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path, std::size_t maxLines,
                                                      std::size_t maxBytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (lines.size() < maxLines && std::getline(file, line)) {
        if (const auto nul = line.find('\0'); nul != std::string::npos)
            line.resize(nul);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(CutToBytes(line, maxBytes));
    }
    return lines;
}

}  // namespace quorvex
