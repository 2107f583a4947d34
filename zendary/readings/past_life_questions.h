// The questions of the past-life reading and what their answers tell. A plain function
// over a question callback, so that every path can be tried without a single message box.
#pragma once
#include <functional>
#include <string>

namespace zendary {

// What the answers (and the occupation) tell about the experience.
struct PastLifeFlags {
    bool loss = false;
    bool dejaVu = false;
    bool dream = false;
    bool vision = false;
    bool repeated = false;
    bool recognised = false;
    bool named = false;
};

// Shows one question and returns true for Yes.
using AskYesNo = std::function<bool(const std::string& question)>;

// Asks the questions in their fixed order and collects the flags they set. The
// occupation does not take part here: see NamedByOccupation.
PastLifeFlags AskPastLifeQuestions(const AskYesNo& ask, int birthYear, int selectedYear);

}  // namespace zendary
