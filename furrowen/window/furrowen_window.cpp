#include "furrowen/window/furrowen_window.h"

#include "furrowen/saved_inputs.h"
#include "shell/copyright.h"

namespace furrowen {

using shell::Field;

FurrowenWindow::FurrowenWindow(shell::Services& services) :
    RecordWindow(services, {"&About Furrowen 2000", "FURROWEN", QString("Furrowen 2000\n") + shell::kCopyrightLine},
                 "Furrowen")
{
    PetData& d = core_.data;
    kSavedInputs.load(services.paths, d);

    setWindowTitle("Furrowen 2000");
    setMaximiseGeometry({150, 150, 412, 320});
    buildLayout();
    setFields({
        Field::text(kNameId, d.name, 100),
        Field::text(kAgeId, d.age, 20),
        Field::number(kMonthId, d.selected.month, 1, 12),
        Field::number(kDayId, d.selected.day, 1, 31),
        Field::number(kYearId, d.selected.year, 1900, 2099),
    });
    writeFields();
}

void FurrowenWindow::helpRequested()
{
    core_.Help();
}

void FurrowenWindow::saveInputs()
{
    kSavedInputs.save(services().paths, core_.data);
}

}  // namespace furrowen
