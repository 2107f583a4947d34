// The pair report: its shared text pieces, and storing it as a text file and an HTML
// copy under the reports folder, with the questions and messages on the way.
#pragma once
#include <string>

#include "pair/pair_html.h"
#include "pair/pair_reading.h"
#include "shell/seams.h"

namespace pairing {

// "These readings are based on ...\n\nThis report was created for: A and B\n\n".
std::string ReportHeading(const std::string& name1, const std::string& name2);

// One "LABEL - text\n\n" section per reading in report order; Love, Fate and Regrets
// only when `withLoveFateRegrets`.
std::string ReportSections(const PairFacts& facts, bool withLoveFateRegrets);

// Stores `text` as "<baseName>.txt" in the reports folder and offers to show it, then
// offers and stores the HTML copy. A base name that could leave the folder is refused.
void StorePairReport(shell::Services& services, const std::string& baseName, const std::string& text);

}  // namespace pairing
