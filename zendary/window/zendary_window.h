// Zendary's main window: binds the controls to the record and runs the readings.
#pragma once
#include <vector>

#include "shell/gui/data_exchange.h"
#include "shell/help.h"
#include "shell/gui/program_dialog.h"
#include "zendary/zendary.h"

namespace zendary {

class ZendaryWindow;

// A button whose handler needs the window itself (dialogs, the clipboard).
struct WindowButton {
    int id;
    bool (*run)(ZendaryWindow&);
};
std::span<const WindowButton> windowButtons();

extern const shell::HelpSpec kZendaryHelp;

class ZendaryWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit ZendaryWindow(shell::Services& services);

    Zendary& core() { return core_; }
    // Reads the controls into the record (prompting for a bad number) and back.
    void readFields();
    void writeFields();

    void reject() override;  // the exit path

protected:
    void helpRequested() override;

private:
    void buildLayout();
    void compact();
    void onButton(int id);
    void loadBirthdays();
    void saveBirthdays();

    Zendary core_;
    std::vector<shell::Field> fields_;
};

}  // namespace zendary
