// Furlova's main window: binds the controls to the record and runs the buttons.
#pragma once
#include <vector>

#include "furlova/furlova.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/program_dialog.h"

namespace furlova {

// The window's controls; the buttons Odds and Exit are the dialog's OK and cancel actions.
enum ControlId {
    kOddsId = 1,
    kExitId = 2,
    kHorseId = 1000,
    kJockeyId,
    kTrainerId,
    kOwnerId,
    kPostId,
    kDistanceId,
    kSurfaceId,
    kWeatherId,
    kClassId,
    kMedicationId,
    kSpeedId,
    kWeightId,
    kAgeId,
    kTrackId,
    kMonthId,
    kDayId,
    kYearId,
    kHelpId,
};

class FurlovaWindow : public shell::ProgramDialog {
    Q_OBJECT
public:
    explicit FurlovaWindow(shell::Services& services);

    Furlova& core() { return core_; }
    // False when a number was refused (its prompt has been shown).
    bool readFields();
    void writeFields();

    void accept() override;  // Odds and Enter

protected:
    void helpRequested() override;

private:
    void buildLayout();

    Furlova core_;
    std::vector<shell::Field> fields_;
};

}  // namespace furlova
