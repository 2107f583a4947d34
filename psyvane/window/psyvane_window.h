// Psyvane's main window: binds the controls to the record and runs the buttons.
#pragma once
#include <vector>

#include "psyvane/psyvane.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/program_dialog.h"

class QProgressBar;

namespace psyvane {

// Ids of controls that have no documented number of their own.
enum ControlId {
    kCheckId = 1,  // Check Intuition, the OK action
    kProgressId = 1001,
    kNumbersId = 1002,
    kColorsId = 1003,
    kShapesId = 1004,
    kSignsId = 1005,
    kDevelopId = 1006,
    kFineTuneId = 1007,
    kHelpId = 1008,
};

class PsyvaneWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit PsyvaneWindow(shell::Services& services);

    Psyvane& core() { return core_; }
    void readFields();
    void writeFields();

protected:
    void helpRequested() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildLayout();
    void checkIntuition();
    void showProgress(int value);

    Psyvane core_;
    std::vector<shell::Field> fields_;
    QProgressBar* progress_ = nullptr;
};

}  // namespace psyvane
