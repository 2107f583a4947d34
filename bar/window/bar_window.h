// The launcher's window: one button per program in two columns, Updates and Support,
// the pictures, and the right-click question.
#pragma once
#include "shell/gui/program_dialog.h"

namespace bar {

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
