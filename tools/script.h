// The scenario script: one command a line, '#' comments, double-quoted strings with
// \n, \t, \" and \\ escapes.
#pragma once
#include <istream>
#include <optional>
#include <string>
#include <vector>

struct Command {
    int line = 0;
    std::vector<std::string> words;
};

class Script {
public:
    explicit Script(std::istream& in) : in_(in) {}
    // The next command, or nothing at the end of the script. Throws std::runtime_error
    // for a line that does not tokenize.
    std::optional<Command> next();

private:
    std::istream& in_;
    int line_ = 0;
};

std::vector<std::string> tokenize(const std::string& line);
