// The Tip of the Day dialog every reader program shows before its main window.
#pragma once
#include <memory>

#include <QDialog>

#include "shell/gui/program.h"
#include "shell/tip_file.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace shell {

class Profile;

class TipDialog : public QDialog {
    Q_OBJECT
public:
    // Reads the profile and the first tip.
    TipDialog(const TipSpec& spec, const Paths& paths, const std::string& program);
    // Saves where in the tips file the next tip starts.
    ~TipDialog() override;

    bool showAtStartUp() const { return showAtStartUp_; }
    QString tipText() const;

    void accept() override;  // "&Launch": saves the check box

private:
    void nextTip();

    std::unique_ptr<Profile> profile_;
    std::unique_ptr<TipFile> file_;
    bool showAtStartUp_ = true;
    QPlainTextEdit* tip_ = nullptr;
    QCheckBox* startUp_ = nullptr;
};

}  // namespace shell
