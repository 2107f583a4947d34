// Ballora's main window: binds the controls to the record and runs the buttons.
#pragma once
#include "ballora/ballora.h"
#include "shell/gui/record_window.h"

class QGroupBox;

namespace ballora {

// The window's control ids.
enum ControlId {
    kCalculateId = 1,  // the OK action
    kExitId = 2,       // the cancel action
    kBirthMonthId = 1000,
    kBirthDayId = 1001,
    kBirthYearId = 1002,
    kFirstNameId = 1003,
    kMiddleNameId = 1004,
    kLastNameId = 1005,
    kSelectedMonthId = 1006,
    kSelectedDayId = 1007,
    kSelectedYearId = 1008,
    kMaxNumberId = 1009,
    kFirstNumberId = 1010,  // the six numbers are 1010-1015
    kReportId = 1016,
    kHelpId = 1017,
};

class BalloraWindow : public shell::RecordWindow<Ballora> {
    Q_OBJECT
public:
    explicit BalloraWindow(shell::Services& services);

protected:
    void helpRequested() override;
    bool keepsSavedInputs() const override { return true; }
    bool inputsFitToKeep() override { return core_.DatesValid(); }
    void saveInputs() override;

private:
    void buildLayout();
    QGroupBox* resultsGroup();

    // Each button reads the controls, runs its reading, and shows the record again.
    void calculate() { run(&Ballora::Calculate); }
    void report() { run(&Ballora::Report); }
};

}  // namespace ballora
