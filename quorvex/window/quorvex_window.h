// Quorvex's main window: binds the controls to the portfolio item, mirrors the list of
// securities and runs the buttons.
#pragma once
#include "quorvex/quorvex.h"
#include "shell/gui/record_window.h"

class QGroupBox;
class QListWidget;
class QVBoxLayout;

namespace quorvex {

// The window's control ids; the buttons have none documented of their own but Help, the
// dialog's OK action.
enum ControlId {
    kHelpId = 1,
    kSecurityId = 1005,
    kTypeId = 1006,
    kExchangeId = 1007,
    kPriceId = 1008,
    kSharesId = 1009,
    kInvestorId = 1010,
    kStatusId = 1011,
    kAccountId = 1012,
    kBirthMonthId = 1013,
    kBirthDayId = 1014,
    kBirthYearId = 1015,
    kBrokerId = 1016,
    kActionId = 1017,
    kSelectedMonthId = 1018,
    kSelectedDayId = 1019,
    kSelectedYearId = 1020,
    kListId = 1021,
    kAddId = 1022,
    kDeleteId = 1023,
    kSaveId = 1024,
    kOddsId = 1025,
    kClearId = 1026,
};

class QuorvexWindow : public shell::RecordWindow<Quorvex> {
    Q_OBJECT
public:
    explicit QuorvexWindow(shell::Services& services);

    void accept() override;  // Enter: Help

protected:
    void helpRequested() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QVBoxLayout* securityColumn();
    QVBoxLayout* investorColumn();
    QGroupBox* portfolioFrame();

    // Add, Save and Delete read the fields, run on the item and show it again when it
    // changed; Add and Delete may change the list too.
    void runOnList(bool (Quorvex::*button)());
    void odds();
    void clear();
    void showNames();
    void openEntry(int row);

    QListWidget* list_ = nullptr;
};

}  // namespace quorvex
