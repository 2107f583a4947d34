// Lexivar's record, its numbers and the decoding conversation. Plain C++: it talks to the
// user only through the Ui seam and reports progress through a callback.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "numerology/hidden_message.h"
#include "numerology/numerology.h"
#include "shell/seams.h"

namespace lexivar {

using numerology::Date;

// The years a date of this program may have.
inline constexpr int kFirstYear = 1800;
inline constexpr int kLastYear = 2099;

// The six message-info toggles, in the order of their controls in the window.
enum Flag { Letter, Personal, Business, Friend, Foe, Coworker, FlagCount };

struct LexivarData {
    std::string recipientFirst;  // at most 50
    std::string recipientLast;   // at most 80
    Date birthday{1, 1, 1900};   // the recipient's
    std::string senderFirst;     // at most 50
    std::string senderLast;      // at most 80
    Date selected;               // the day the message came
    std::string clue;            // at most 80
    std::string message;         // at most 50000
    std::array<bool, FlagCount> flags{};
};

// The four names in the order the confirmation remembers them.
struct Names {
    std::string recipientFirst, senderFirst, recipientLast, senderLast;
    bool operator==(const Names&) const = default;
};
Names namesOf(const LexivarData& data);

extern const char* const kClues[20];

// NumberDigit as this program has it: sums past the last year give 1.
int LexNumberDigit(int n);
int ClueNumber(std::string_view clue, int ticks);
int NamesNumber(const LexivarData& data);
int BirthNumber(const Date& birthday);
int DateNumber(const Date& selected);
numerology::DecodingRule DecodingRuleFor(const LexivarData& data);

std::string ConfirmationText(const LexivarData& data);
std::string ResultText(const LexivarData& data, const numerology::Decoding& decoding);

class Lexivar {
public:
    explicit Lexivar(shell::Services& services);

    shell::Services& services;
    shell::Ui& ui;
    LexivarData data;
    Names confirmed;  // the names last shown for confirmation; empty at start
    std::function<void(int)> showProgress = [](int) {};

    // Birthday, then selected date; shows "DATE ERROR" and returns false on a bad one.
    bool DatesValid();
    // DECODE on the fields already read: checks, confirmation, progress and the result.
    // True when the result was shown.
    bool Decode();

private:
    bool refuse(const std::string& text);
    void progressStep(int before, int after);
};

// Start values: birthday 1/1/1900, empty names, today as the selected date.
LexivarData startValues(const shell::DateTime& today);

}  // namespace lexivar
