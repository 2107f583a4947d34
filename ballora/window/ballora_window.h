// Ballora's main window: binds the controls to the record and runs the buttons.
#pragma once
#include <vector>

#include "ballora/ballora.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/program_dialog.h"

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

class BalloraWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit BalloraWindow(shell::Services& services);

    Ballora& core() { return core_; }
    void readFields();
    void writeFields();

    void reject() override;  // Exit, Escape and the close box

protected:
    void helpRequested() override;

private:
    void buildLayout();
    void calculate();
    void report();

    Ballora core_;
    std::vector<shell::Field> fields_;
};

}  // namespace ballora
