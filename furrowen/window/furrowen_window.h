// Furrowen's main window: binds the controls to the record and runs the buttons.
#pragma once
#include "furrowen/furrowen.h"
#include "shell/gui/record_window.h"

class QGroupBox;

namespace furrowen {

// The window's control ids.
enum ControlId {
    kReadingId = 1,  // the OK action
    kExitId = 2,     // the cancel action
    kDogId = 1001,
    kCatId = 1002,
    kNameId = 1003,
    kMonthId = 1005,
    kDayId = 1006,
    kYearId = 1007,
    kAgeId = 1008,
    kHelpId = 1009,
    kPictureId = 1010,
};

class FurrowenWindow : public shell::RecordWindow<Furrowen> {
    Q_OBJECT
public:
    explicit FurrowenWindow(shell::Services& services);

protected:
    void helpRequested() override;
    bool keepsSavedInputs() const override { return true; }  // saved without a date check
    void saveInputs() override;

private:
    void buildLayout();
    QGroupBox* petGroup();
    QGroupBox* optionsGroup();
};

}  // namespace furrowen
