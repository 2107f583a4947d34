#include "tools/script.h"

#include <stdexcept>

std::vector<std::string> tokenize(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        std::string word;
        if (c == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d == '\\') {
                    if (i >= line.size())
                        throw std::runtime_error("a backslash ends the line");
                    const char e = line[i++];
                    switch (e) {
                    case 'n': d = '\n'; break;
                    case 't': d = '\t'; break;
                    case '"': d = '"'; break;
                    case '\\': d = '\\'; break;
                    default: throw std::runtime_error(std::string("unknown escape \\") + e);
                    }
                }
                word += d;
            }
            if (!closed)
                throw std::runtime_error("a string is not closed");
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

std::optional<Command> Script::next()
{
    std::string text;
    while (std::getline(in_, text)) {
        ++line_;
        Command command{line_, tokenize(text)};
        if (!command.words.empty())
            return command;
    }
    return std::nullopt;
}
