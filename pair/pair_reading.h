// The eight pair readings: which text a countdown picks, in each reading's own order.
#pragma once
#include <span>
#include <string>

#include "pair/pair_rules.h"

namespace pairing {

enum class PairKind { Love, Fate, Business, Friendship, Loyalty, Trust, Fortune, Regrets };

// What a reading needs to know about the pair; Duovell and Zendary fill it differently.
struct PairFacts {
    PairDigits digits;
    int number = 0;  // the countdown's starting number
    std::string name1, name2;
};

PairFacts FactsOf(const PairRecord& record);

// The reading's text for the pair.
std::string PairReading(PairKind kind, const PairFacts& facts);
std::string PairReading(PairKind kind, const PairRecord& record);

// "DUOVELL - LOVE" and the like.
std::string ReadingCaption(PairKind kind);
// "LOVE - " and the like: the label of the reading's section in a report.
std::string SectionLabel(PairKind kind);

// Love, Fate and Regrets are not given for blood relatives.
bool NotForBloodRelatives(PairKind kind);
extern const char* const kBloodRelativesNote;

// The order in which reports list the readings: FORTUNE, REGRETS, LOVE, FATE, BUSINESS,
// FRIENDSHIP, LOYALTY, TRUST.
std::span<const PairKind> ReportOrder();

}  // namespace pairing
