#include "quorvex/text_lines.h"

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

}  // namespace quorvex
