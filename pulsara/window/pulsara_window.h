// Pulsara's main window: binds the controls to the record and runs the buttons.
#pragma once
#include "pulsara/pulsara.h"
#include "shell/gui/record_window.h"

class QGroupBox;
class QHBoxLayout;
class QProgressBar;

namespace pulsara {

// The window's control ids; NA and EX are the OK and cancel actions, the other buttons
// have no documented id of their own.
enum ControlId {
    kNumerologyId = 1,
    kExitId = 2,
    kNameId = 1001,
    kSelectedMonthId = 1002,
    kSelectedDayId = 1003,
    kSelectedYearId = 1004,
    kEmotionalId = 1005,
    kNumberId = 1007,
    kColourId = 1008,
    kBirthMonthId = 1011,
    kBirthDayId = 1012,
    kBirthYearId = 1013,
    kPhysicalId = 1014,
    kIntellectualId = 1015,
    kTraditionalId = 1016,
    kExplainId = 1017,
    kHelpId = 1018,
};

class PulsaraWindow : public shell::RecordWindow<Pulsara> {
    Q_OBJECT
public:
    explicit PulsaraWindow(shell::Services& services);

protected:
    void helpRequested() override;
    void writeExtras() override;  // the three meters
    // EX, Escape and the close box keep the name and birthday, with no date check.
    bool keepsSavedInputs() const override { return true; }
    void saveInputs() override;

private:
    void buildLayout();
    QGroupBox* personalGroup();
    QGroupBox* scalesGroup();
    QHBoxLayout* buttonRow();
    void measure(Method method);
    void showChart();

    QProgressBar* physical_ = nullptr;
    QProgressBar* emotional_ = nullptr;
    QProgressBar* intellectual_ = nullptr;
};

}  // namespace pulsara
