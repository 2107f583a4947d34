// Quorvex's main window: binds the controls to the portfolio item, mirrors the list of
// securities and runs the buttons.
#pragma once
#include <vector>

#include "quorvex/quorvex.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/program_dialog.h"

class QListWidget;

namespace quorvex {

// Buttons without a documented id of their own; Help is the dialog's OK action.
enum ButtonId { kHelpId = 1, kAddId = 1022, kDeleteId, kSaveId, kOddsId, kClearId };
constexpr int kListId = 1021;

class QuorvexWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit QuorvexWindow(shell::Services& services);

    Quorvex& core() { return core_; }
    void readFields();
    void writeFields();

    void accept() override;  // Enter: Help

protected:
    void helpRequested() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void onButton(int id);
    void showNames();
    void openEntry(int row);

    Quorvex core_;
    std::vector<shell::Field> fields_;
    QListWidget* list_ = nullptr;
};

}  // namespace quorvex
