// Lexivar's main window: binds the controls to the record and runs the buttons.
#pragma once
#include "lexivar/lexivar.h"
#include "shell/gui/record_window.h"
#include "shell/help.h"

class QGroupBox;
class QProgressBar;

namespace shell {
class LimitedTextEdit;
}

namespace lexivar {

extern const shell::HelpSpec kLexivarHelp;

// The window's control ids.
enum ControlId {
    kDecodeId = 1,  // the OK action: Enter runs it
    kExitId = 2,    // the cancel action
    kBirthMonthId = 1000,
    kBirthDayId = 1001,
    kBirthYearId = 1002,
    kSelectedMonthId = 1003,
    kSelectedDayId = 1004,
    kSelectedYearId = 1005,
    kLetterId = 1006,
    kRecipientFirstId = 1007,
    kRecipientLastId = 1008,
    kPersonalId = 1009,
    kBusinessId = 1010,
    kCopyId = 1011,
    kPasteId = 1012,
    kHelpId = 1013,
    kProgressId = 1015,
    kMessageId = 1016,
    kSenderFirstId = 1018,
    kSenderLastId = 1019,
    kFriendId = 1020,
    kFoeId = 1021,
    kCoworkerId = 1022,
    kClueId = 1023,
};

class LexivarWindow : public shell::RecordWindow<Lexivar> {
    Q_OBJECT
public:
    explicit LexivarWindow(shell::Services& services);

protected:
    void helpRequested() override;
    bool keepsSavedInputs() const override { return true; }
    bool inputsFitToKeep() override;
    void saveInputs() override;

private:
    void buildLayout();
    QGroupBox* messageInfoGroup();
    QGroupBox* messageGroup();

    void showProgress(int value);

    shell::LimitedTextEdit* message_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace lexivar
