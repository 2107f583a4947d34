#include "pair/pair_reading.h"

#include <optional>

namespace pairing {

namespace {

enum class Slot { Sum, First, Second, Difference };

struct ReadingTexts {
    const char* name;  // "LOVE"
    bool secondBeforeFirst;
    const char* sum;
    // The first and second texts put a name between two fixed pieces; a text that names
    // both people puts the other name after `between`.
    const char* before;
    const char* after;
    const char* between;  // null when only one name appears
    const char* difference;
    const char* none;
};

// Indexed by PairKind.
const ReadingTexts kTexts[] = {
    {"LOVE", true, "Perfect for each other, real love.", "", ".", " is in love with ",
     "Not in love with each other, never were and never will be.",
     "This is a product of pure chance - it is not meant to be."},
    {"FATE", true, "Fate brought you together for a long time.", "Future together will not be easy because of ", ".",
     nullptr, "A future together will be a mistake.", "A future together is not meant to be."},
    {"BUSINESS", true, "Can go into any business enterprise together.",
     "Any business enterprise will not work because of ", ".", nullptr,
     "Should not mix personal and business relations.", "Should not go into any business enterprise together."},
    {"FRIENDSHIP", true, "You have a real friendship - cherish it.", "Friendship will not work because of ", ".",
     nullptr, "Friendship will be a bad mistake.", "Not made to be friends."},
    {"LOYALTY", false, "Will be loyal to each other.", "", ".", " will not be loyal to ",
     "Be careful! Loyalty based solely on personal gain - is not real loyalty.", "Will not be loyal to each other."},
    {"TRUST", false, "You can trust each other.", "", " can not be trusted in this relationship.", nullptr,
     "You can trust each other while the current situation stays the same.", "You can not trust each other."},
    {"FORTUNE", false, "You can bring good fortune to each other.", "",
     " will not bring good fortune to this relationship.", nullptr,
     "Good fortune will last only for a very short period.", "Good fortune will never be a part of this relationship."},
    {"REGRETS", false, "You will not have any regrets about this relationship.", "",
     " will be the source of all the regrets in this relationship.", nullptr,
     "You will have no regrets about this relationship for as long as you are together.",
     "You both will have regrets about this relationship."},
};

const ReadingTexts& textsOf(PairKind kind)
{
    return kTexts[static_cast<int>(kind)];
}

// The digit the countdown met, tested in the reading's order; none when it fell below 1.
std::optional<Slot> slotOf(int n, const PairDigits& d, bool secondBeforeFirst)
{
    const Slot order[] = {Slot::Sum, secondBeforeFirst ? Slot::Second : Slot::First,
                          secondBeforeFirst ? Slot::First : Slot::Second, Slot::Difference};
    for (Slot slot : order) {
        const int digit = slot == Slot::Sum      ? d.sum
                          : slot == Slot::First  ? d.first
                          : slot == Slot::Second ? d.second
                                                 : d.difference;
        if (n == digit)
            return slot;
    }
    return std::nullopt;
}

}  // namespace

const char* const kBloodRelativesNote = "PLEASE NOTE!\n\nREGRETS, LOVE and FATE readings are not for blood relatives!";

PairFacts FactsOf(const PairRecord& record)
{
    return {ComputePairDigits(record), PairNumber(record), record.one.fullName(), record.two.fullName()};
}

std::string PairReading(PairKind kind, const PairFacts& facts)
{
    const ReadingTexts& t = textsOf(kind);
    const auto slot = slotOf(PairCountdown(facts.number, facts.digits), facts.digits, t.secondBeforeFirst);
    if (!slot)
        return t.none;
    switch (*slot) {
    case Slot::Sum: return t.sum;
    case Slot::Difference: return t.difference;
    case Slot::First:
    case Slot::Second: break;
    }
    const std::string& named = *slot == Slot::First ? facts.name1 : facts.name2;
    const std::string& other = *slot == Slot::First ? facts.name2 : facts.name1;
    if (t.between)
        return named + t.between + other + t.after;
    return t.before + named + t.after;
}

std::string PairReading(PairKind kind, const PairRecord& record)
{
    return PairReading(kind, FactsOf(record));
}

std::string ReadingCaption(PairKind kind)
{
    return std::string("DUOVELL - ") + textsOf(kind).name;
}

std::string SectionLabel(PairKind kind)
{
    return std::string(textsOf(kind).name) + " - ";
}

bool NotForBloodRelatives(PairKind kind)
{
    return kind == PairKind::Love || kind == PairKind::Fate || kind == PairKind::Regrets;
}

std::span<const PairKind> ReportOrder()
{
    static const PairKind order[] = {PairKind::Fortune,  PairKind::Regrets,    PairKind::Love,    PairKind::Fate,
                                     PairKind::Business, PairKind::Friendship, PairKind::Loyalty, PairKind::Trust};
    return order;
}

}  // namespace pairing
