#include "furlova/window/furlova_window.h"
#include "shell/copyright.h"

namespace furlova {

using shell::Field;

FurlovaWindow::FurlovaWindow(shell::Services& services) :
    RecordWindow(services, {"&About Furlova 2000", "Furlova 2000", QString("Furlova 2000\n") + shell::kCopyrightLine},
                 "Furlova")
{
    RaceData& d = core_.data;
    setWindowTitle("Furlova 2000");
    setMaximiseGeometry({100, 100, 503, 391});
    buildLayout();
    setFields({
        Field::text(kHorseId, d.horse, 50),
        Field::text(kJockeyId, d.jockey, 50),
        Field::text(kTrainerId, d.trainer, 50),
        Field::text(kOwnerId, d.owner, 50),
        Field::number(kPostId, d.postPosition, 1, 15),
        Field::text(kDistanceId, d.distance, 50),
        Field::text(kSurfaceId, d.surface, 50),
        Field::text(kWeatherId, d.weather, 50),
        Field::text(kClassId, d.raceClass, 50),
        Field::text(kMedicationId, d.medication, 50),
        Field::number(kSpeedId, d.speed, 0, 115),
        Field::number(kWeightId, d.weight, 105, 132),
        Field::number(kAgeId, d.age, 1, 12),
        Field::text(kTrackId, d.raceTrack, 50),
        Field::number(kMonthId, d.date.month, 1, 12),
        Field::number(kDayId, d.date.day, 1, 31),
        Field::number(kYearId, d.date.year, kFirstYear, kLastYear),
    });
    writeFields();
}

// Odds is the dialog's OK command, but a reading never closes the window.
void FurlovaWindow::accept()
{
    const bool read = readFields();
    if (core_.Odds(read))
        writeFields();
}

void FurlovaWindow::helpRequested()
{
    core_.Help();
}

}  // namespace furlova
