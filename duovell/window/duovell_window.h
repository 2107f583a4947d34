// Duovell's main window: binds the controls to the pair record and runs the buttons.
#pragma once
#include <vector>

#include "duovell/duovell.h"
#include "shell/gui/data_exchange.h"
#include "shell/help.h"
#include "shell/gui/program_dialog.h"

namespace duovell {

extern const shell::HelpSpec kDuovellHelp;

class DuovellWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit DuovellWindow(shell::Services& services);

    Duovell& core() { return core_; }
    // Reads the controls into the record (prompting for a bad number) and back.
    void readFields();
    void writeFields();

    void accept() override;  // Enter: the Reading button
    void reject() override;  // the exit path: Exit, Escape, the close box

protected:
    void helpRequested() override;

private:
    void buildLayout();
    void onButton(int id);
    bool saveInputs();

    Duovell core_;
    std::vector<shell::Field> fields_;
};

}  // namespace duovell
