// Reads a keyword table written the way it is documented: groups separated by semicolons,
// synonyms within a group by " / ", and a keyword in square brackets when it must match whole.
#pragma once
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

struct DocumentedKeyword {
    std::string keyword;
    bool whole;
    int group;  // synonyms share a group, numbered in order
};

inline std::vector<DocumentedKeyword> ReadKeywordGroups(std::string_view notation)
{
    auto trim = [](std::string_view s) {
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ')
            s.remove_suffix(1);
        return s;
    };
    std::vector<DocumentedKeyword> keywords;
    int group = 0;
    for (size_t start = 0; start <= notation.size(); ++group) {
        const size_t end = std::min(notation.find(';', start), notation.size());
        std::string_view entry = notation.substr(start, end - start);
        for (size_t from = 0; from <= entry.size();) {
            const size_t slash = std::min(entry.find(" / ", from), entry.size());
            const std::string_view keyword = trim(entry.substr(from, slash - from));
            const bool whole = keyword.starts_with('[') && keyword.ends_with(']');
            keywords.push_back({std::string(whole ? keyword.substr(1, keyword.size() - 2) : keyword), whole, group});
            from = slash + 3;
        }
        start = end + 1;
    }
    return keywords;
}
