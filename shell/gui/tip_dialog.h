// The Tip of the Day dialog every reader program shows before its main window. The rules
// (which tip, what the profile remembers) are TipOfTheDay's; the dialog shows them.
#pragma once
#include <QDialog>

#include "shell/gui/program.h"
#include "shell/tip_of_the_day.h"

class QCheckBox;

namespace shell {

class TipText;

// The dialog's control ids.
enum TipControlId {
    kTipDialogId = 106,
    kLaunchId = 1,  // the OK button
    kTipAreaId = 1000,
    kShowTipsId = 1001,
    kNextTipId = 1002,
    kTipTextId = 1004,
};

class TipDialog : public QDialog {
    Q_OBJECT
public:
    // Reads the profile and the first tip.
    TipDialog(const TipSpec& spec, const Paths& paths, const std::string& program);
    // Saves where in the tips file the next tip starts.
    ~TipDialog() override;

    bool showAtStartUp() const { return tips_.showAtStartUp(); }
    QString tipText() const;

    void accept() override;  // "&Launch": saves the check box

private:
    void nextTip();
    void showTip();

    TipOfTheDay tips_;
    TipText* tip_ = nullptr;
    QCheckBox* startUp_ = nullptr;
};

}  // namespace shell
