// The arithmetic of the past-life reading: the plausibility checks, the distance and the
// rule list, plain functions over plain values.
#pragma once
#include <span>
#include <string>

#include "zendary/readings/past_life_questions.h"
#include "zendary/zendary.h"

namespace zendary {

// The inputs of the reading, taken from the record.
struct PastLifeInput {
    Era era = Era::AD;
    int year = 0;  // of the past-life event
    int age = 0;   // at that time
    std::string occupation;
    std::string clue;
    int birthYear = Date{}.year;     // the user's own
    int selectedYear = Date{}.year;  // of the selected date
};

// Occupations whose records name a person (soldier, farmer, housekeeper, merchant).
bool NamedByOccupation(const std::string& occupation);

// True when the inputs cannot belong to a past life (a car before cars were built, a
// slave after slavery ended...): the reading then answers 0% without looking any further.
bool Implausible(const PastLifeInput& input);

// The step of the distance walk: the age itself up to 9, else its reduced digit.
int PastStep(int age);
// How far the walk from the birth year (AD) or its mirror kLastBcYear - birth year (BC) lands
// from the past-life year when it steps down by PastStep(age).
int PastDistance(int birthYear, int year, int age, Era era);

struct PastLifeRule {
    // Bits of `flags`.
    enum Flag : unsigned {
        Loss = 1,
        DejaVu = 2,
        Dream = 4,
        Vision = 8,
        Repeated = 16,
        Recognised = 32,
        Named = 64,
        DreamOrDejaVu = 128,  // either of the two will do
    };
    int minDistance;
    int maxDistance;
    const char* clues[3];  // empty: any clue
    unsigned flags;        // all of these must hold; other flags do not matter
    const char* percent;
};

std::span<const PastLifeRule> pastLifeRules();

// The number (1-based) of the first rule that holds; the last rule catches every
// distance from 4 up, so a non-negative distance always finds one.
int PastLifeRuleNumber(int distance, const std::string& clue, const PastLifeFlags& flags);
// "99.9", "0"...
std::string PastLifePercent(int distance, const std::string& clue, const PastLifeFlags& flags);
// "There is a N% probability that you have experienced a past life event!"
std::string PastLifeResultText(const std::string& percent);

}  // namespace zendary
