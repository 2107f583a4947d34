#include "tools/output.h"

#include <cstdio>

std::string Output::withRoot(std::string text) const
{
    for (const std::string& root : roots_) {
        if (root.empty())
            continue;
        for (std::size_t at = text.find(root); at != std::string::npos; at = text.find(root, at + 5))
            text.replace(at, root.size(), "$ROOT");
    }
    return text;
}

std::string Output::quote(const std::string& original) const
{
    const std::string text = withRoot(original);
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default:
            if (c < 0x20 || c == 0x7f) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

void Output::event(const std::vector<std::pair<std::string, std::string>>& fields)
{
    std::string line = "{";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i)
            line += ",";
        line += "\"" + fields[i].first + "\":";
        const std::string& value = fields[i].second;
        line += (!value.empty() && value[0] == '\x01') ? value.substr(1) : quote(value);
    }
    line += "}\n";
    text_ += line;
    if (echo_) {
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
    }
}
