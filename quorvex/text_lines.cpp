#include "text_lines.h"

#include <fstream>

namespace quorvex {

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
        if (line.size() > maxBytes)
            line.resize(maxBytes);
        lines.push_back(line);
    }
    return lines;
}

std::string CutToCharacters(const std::string& text, std::size_t characters)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Continuation bytes of UTF-8 (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == characters)
                return text.substr(0, i);
            ++count;
        }
    }
    return text;
}

}  // namespace quorvex
