// Psyvane's main window: binds the controls to the record and runs the buttons.
#pragma once
#include "psyvane/psyvane.h"
#include "shell/gui/record_window.h"

class QGridLayout;
class QProgressBar;

namespace psyvane {

// The window's control ids.
enum ControlId {
    kCheckId = 1,  // Check Intuition, the OK action
    kProgressId = 1001,
    kNumbersId = 1002,
    kColorsId = 1003,
    kShapesId = 1004,
    kSignsId = 1005,
    kDevelopId = 1006,
    kFineTuneId = 1007,
    kHelpId = 1008,
    kNumberId = 1009,
    kColorId = 1010,
    kShapeId = 1012,
    kSignId = 1013,
    kTypeId = 1014,
    kMonthId = 1016,
    kDayId = 1017,
    kYearId = 1018,
};

class PsyvaneWindow : public shell::RecordWindow<Psyvane> {
    Q_OBJECT
public:
    explicit PsyvaneWindow(shell::Services& services);

protected:
    void helpRequested() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildLayout();
    QGridLayout* buttonRows();

    void numbersExercise() { core_.RunExercise(Exercise::Numbers); }
    void colorsExercise() { core_.RunExercise(Exercise::Colors); }
    void shapesExercise() { core_.RunExercise(Exercise::Shapes); }
    void signsExercise() { core_.RunExercise(Exercise::Signs); }
    void develop() { core_.Develop(); }
    void fineTune() { core_.FineTune(); }
    void showProgress(int value);

    QProgressBar* progress_ = nullptr;
};

}  // namespace psyvane
