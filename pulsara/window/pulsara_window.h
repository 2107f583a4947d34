// Pulsara's main window: binds the controls to the record and runs the buttons.
#pragma once
#include <vector>

#include "pulsara/pulsara.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/program_dialog.h"

namespace pulsara {

// Ids of controls that have no documented number of their own.
enum ControlId {
    kNumerologyId = 1,  // NA, the OK action
    kExitId = 2,        // EX, the cancel action
    kTraditionalId = 1016,
    kExplainId = 1017,
    kHelpId = 1018,
};

class PulsaraWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit PulsaraWindow(shell::Services& services);

    Pulsara& core() { return core_; }
    void readFields();
    void writeFields();

    void reject() override;  // EX, Escape and the close box

protected:
    void helpRequested() override;

private:
    void buildLayout();
    void measure(Method method);
    void showMeters();

    Pulsara core_;
    std::vector<shell::Field> fields_;
};

}  // namespace pulsara
