// The launcher's window: one button per program in two columns, Updates and Support,
// the pictures, and the right-click question.
#pragma once
#include "shell/gui/program_dialog.h"

namespace bar {

// The window's control ids: one button per program, and the two below the columns.
enum ControlId {
    kZendaryId = 1,  // the main program, the default action
    kDuovellId = 1000,
    kUpdatesId = 1001,
    kKismoraId = 1002,
    kLexivarId = 1006,
    kFurrowenId = 1007,
    kPsyvaneId = 1008,
    kSupportId = 1009,
    kQuorvexId = 1010,
    kFurlovaId = 1011,
    kBalloraId = 1012,
    kPulsaraId = 1013,
};

class BarWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit BarWindow(shell::Services& services);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildLayout();
};

}  // namespace bar
