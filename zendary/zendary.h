// The main program's state and the checks every reading runs. Plain C++: it talks to
// the user only through the Ui seam, so readings are testable without any widget.
#pragma once
#include <array>
#include <string>

#include "numerology/numerology.h"
#include "shell/seams.h"
#include "zendary/personal_data.h"

namespace zendary {

enum class Era { AD, BC };
enum class ConfirmForm { Full, Short };

class Zendary {
public:
    explicit Zendary(shell::Services& services);

    shell::Services& services;
    shell::Ui& ui;

    PersonalData data;
    Era era = Era::AD;
    bool reportMode = false;
    std::array<int, 3> lucky{};
    std::array<int, 3> unlucky{};
    numerology::StarNumbers stars;
    int dayNumber = 0;

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

    // The twelve date numbers: own, mother's, father's birthday and the selected date.
    std::array<int, 12> currentDates() const;

    // The confirmation memory: what the user was last asked to confirm, so that a
    // reading asks again only when it changed. It is kept whatever the answer was.
    const std::array<int, 12>& rememberedDates() const { return rememberedDates_; }
    bool datesChanged() const { return currentDates() != rememberedDates_; }
    void rememberDates() { rememberedDates_ = currentDates(); }
    // The love-spell name last shown; empty at start.
    bool spellNameChanged() const { return data.spellName != spellName_; }
    void rememberSpellName() { spellName_ = data.spellName; }
    // The two soulmate names last shown; empty at start.
    bool soulmateNamesChanged() const;
    void rememberSoulmateNames();

private:
    std::array<int, 12> rememberedDates_{};
    std::string spellName_;
    std::string firstSoulmate_, secondSoulmate_;
};

// The parents' ages rule on three birth years, with its message under "BIRTHDAY ERROR".
bool ParentsAges(shell::Ui& ui, int ownYear, int motherYear, int fatherYear);

// Dates of the record the start-up gives: birthdays the default date, the selected date today.
PersonalData startValues(const shell::DateTime& today);

}  // namespace zendary
