// Duovell's state and the checks its buttons run. Plain C++: it talks to the user only
// through the Ui seam, so every button is testable without a window.
#pragma once
#include <string>

#include "pair/pair_reading.h"
#include "pair/pair_record.h"
#include "shell/seams.h"

namespace duovell {

// Which of the buttons' gates to run: they differ in the names, activity and date parts.
enum class Gate { Reading, Report, PairReading };

class Duovell {
public:
    explicit Duovell(shell::Services& services);

    shell::Services& services;
    shell::Ui& ui;
    pairing::PairRecord record;

    // The date rule on the first birthday, the second birthday, the selected date.
    bool DatesValid();
    // Everything a button checks after the field transfer; false when it must stop.
    bool PairGate(Gate gate);

    // The buttons; each returns true when the controls should be refreshed.
    bool Reading();
    bool Report();
    bool PairReadingButton(pairing::PairKind kind);

private:
    bool HairAndEyesChosen();
    bool NamesGiven();
    bool BloodQuestionAndConfirmation(bool withSelectedDate);
    bool ActivityAllowed();
};

// The record as a start gives it: the selected date today, everything else its start value.
pairing::PairRecord startValues(const shell::DateTime& today);

// "Is this information accurate?..." for both people, optionally with date and activity.
std::string ConfirmationText(const pairing::PairRecord& record, bool withSelectedDate);

// The Reading button's box and the report's content.
std::string ForecastText(const pairing::PairRecord& record);
std::string ReportText(const pairing::PairRecord& record);
// "3-15-2000 John Smith and Mary Jones go dancing with".
std::string ReportBaseName(const pairing::PairRecord& record);

}  // namespace duovell
