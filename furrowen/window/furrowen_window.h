// Furrowen's main window: binds the controls to the record and runs the buttons.
#pragma once
#include <vector>

#include "furrowen/furrowen.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/program_dialog.h"

namespace furrowen {

// Ids of controls that have no documented number of their own.
enum ControlId {
    kReadingId = 1,  // the OK action
    kExitId = 2,     // the cancel action
    kHelpId = 1009,
    kPictureId = 1010,
};

class FurrowenWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit FurrowenWindow(shell::Services& services);

    Furrowen& core() { return core_; }
    void readFields();
    void writeFields();

    void reject() override;  // EXIT, Escape and the close box

protected:
    void helpRequested() override;

private:
    void buildLayout();
    void reading();

    Furrowen core_;
    std::vector<shell::Field> fields_;
};

}  // namespace furrowen
