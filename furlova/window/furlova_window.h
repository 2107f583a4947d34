// Furlova's main window: binds the controls to the record and runs the buttons.
#pragma once
#include "furlova/furlova.h"
#include "shell/gui/record_window.h"

class QHBoxLayout;

namespace furlova {

// The window's control ids, numbered from 1000 in the order of the record; the buttons Odds
// and Exit are the dialog's OK and cancel actions.
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

class FurlovaWindow : public shell::RecordWindow<Furlova> {
    Q_OBJECT
public:
    explicit FurlovaWindow(shell::Services& services);

    void accept() override;  // Odds and Enter

protected:
    void helpRequested() override;

private:
    void buildLayout();
    QHBoxLayout* buttonRow();
};

}  // namespace furlova
