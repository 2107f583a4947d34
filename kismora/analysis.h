// The analysis of one date: the date's profile set against the ideal partner's, one
// group of criteria at a time, with the user's own profile beside them for reference,
// and the three-column report of all three.
#pragma once
#include <array>
#include <optional>
#include <span>
#include <string>

#include "kismora/date_profile.h"
#include "shell/seams.h"

namespace kismora {

// The groups of criteria, in the order the list shows them.
std::span<const char* const> criteriaGroups();

// Six rows of label, you, date, ideal and match, and the score of the match column.
struct AnalysisGrid {
    std::array<std::array<std::string, 5>, 6> cells;
    int score = 0;
};

// The grid of a group (one of criteriaGroups()); none for any other text.
std::optional<AnalysisGrid> BuildGrid(const DateProfile& you, const DateProfile& date, const DateProfile& ideal,
                                      const std::string& group, bool matchName);

// "Monday, January 01, 2001 - Analyzing Ann"
std::string AnalysisTitle(const shell::DateTime& today, const std::string& dateName);

std::string ReportText(const DateProfile& you, const DateProfile& date, const DateProfile& ideal);

class Analysis {
public:
    // Reads the three profiles; a missing one is reported and leaves the analysis not ready.
    Analysis(shell::Services& services, const std::string& dateName);

    shell::Services& services;
    std::string title;
    bool ready = false;
    DateProfile you, date, ideal;

    std::optional<AnalysisGrid> Analyze(const std::string& group, bool matchName);
    void Report();
    void Tips();
    void Help();

private:
    bool complainUnlessReady();
};

}  // namespace kismora
