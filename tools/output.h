// The runner's events: one JSON object a line, every mention of the temporary root
// replaced by $ROOT.
#pragma once
#include <string>
#include <utility>
#include <vector>

class Output {
public:
    void setRoot(std::vector<std::string> roots) { roots_ = std::move(roots); }
    // Pairs of key and value; a value starting with '\x01' is written raw (arrays).
    void event(const std::vector<std::pair<std::string, std::string>>& fields);
    static std::string raw(const std::string& json) { return "\x01" + json; }
    std::string quote(const std::string& original) const;
    const std::string& text() const { return text_; }
    void setEcho(bool echo) { echo_ = echo; }

private:
    std::string withRoot(std::string text) const;
    std::vector<std::string> roots_;
    std::string text_;
    bool echo_ = true;
};
