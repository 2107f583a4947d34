// Lexivar's main window: binds the controls to the record and runs the buttons.
#pragma once
#include <vector>

#include "lexivar/lexivar.h"
#include "shell/gui/data_exchange.h"
#include "shell/help.h"
#include "shell/gui/program_dialog.h"

class QProgressBar;

namespace lexivar {

extern const shell::HelpSpec kLexivarHelp;

// Ids of controls that have no documented number of their own.
enum ControlId {
    kDecodeId = 1,  // the OK action
    kExitId = 2,    // the cancel action
    kCopyId = 1011,
    kPasteId = 1012,
    kHelpId = 1013,
    kProgressId = 1015,
    kMessageId = 1016,
};

class LexivarWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit LexivarWindow(shell::Services& services);

    Lexivar& core() { return core_; }
    void readFields();
    void writeFields();

    void reject() override;  // EXIT, Escape and the close box

protected:
    void helpRequested() override;

private:
    void buildLayout();
    void copyMessage();
    void pasteMessage();
    void decode();
    void showProgress(int value);

    Lexivar core_;
    std::vector<shell::Field> fields_;
    QProgressBar* progress_ = nullptr;
};

}  // namespace lexivar
