// Kismora's main window: Personal Info, Selection Criteria, Date Book and Help.
#pragma once
#include "shell/gui/program_dialog.h"

namespace kismora {

enum MainControl { kPersonalId = 1, kSelectionId = 1003, kDateBookId = 1005, kMainHelpId = 1013 };

class KismoraWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit KismoraWindow(shell::Services& services);

    void accept() override;  // Enter: Personal Info

protected:
    void helpRequested() override;

private:
    void buildLayout();
    void openProfile(int kind);
    void openDateBook();
};

}  // namespace kismora
