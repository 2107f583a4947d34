// The main program's state and the checks every reading runs. Plain C++: it talks to
// the user only through the Ui seam, so readings are testable without any widget.
#pragma once
#include <array>
#include <string>

#include "zendary/love_spell_memory.h"
#include "numerology/numerology.h"
#include "zendary/personal_data.h"
#include "shell/seams.h"
#include "zendary/soulmate.h"

namespace zendary {

enum class Era { AD, BC };
enum class ConfirmForm { Full, Short };

class Zendary {
public:
    explicit Zendary(shell::Services& services);

    shell::Services& services;
    shell::Ui& ui;

    PersonalData data;
    // The twelve date numbers as last confirmed (own, mother, father, selected).
    std::array<int, 12> rememberedDates{};
    Era era = Era::AD;
    bool reportMode = false;
    std::array<int, 3> lucky{};
    std::array<int, 3> unlucky{};
    SoulmateNames soulmateNames;
    numerology::StarNumbers stars;
    int dayNumber = 0;
    LoveSpellMemory loveSpell;  // the name the love-spell confirmation last showed

    // The checks, each showing its own message and returning false on failure.
    bool DatesValid();
    bool ParentsAges();
    bool PastLifeFields();
    bool ConfirmationBox(const std::string& caption, const std::string& leadIn, ConfirmForm form);
    // Asks only when a date changed since the last confirmation, remembering the dates first.
    bool confirmDateChanges(const std::string& caption, const std::string& question);
    // A Yes/No question; No shows the correction note under the same caption.
    bool confirm(const std::string& caption, const std::string& question);

    // StarNumbers and DayNumber from the current record.
    void computeNumbers();

    // The most common gate: DatesValid, PastLifeFields, numbers, ParentsAges, full confirmation.
    bool starsGate(const std::string& caption, const std::string& leadIn);

    std::array<int, 12> currentDates() const;
};

// Dates of the record the start-up gives: birthdays 1/1/1900, the selected date today.
PersonalData startValues(const shell::DateTime& today);

}  // namespace zendary
