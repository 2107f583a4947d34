#include "ballora/window/ballora_window.h"

#include "ballora/saved_inputs.h"

namespace ballora {

using shell::Field;

BalloraWindow::BalloraWindow(shell::Services& services) :
    RecordWindow(services, {"&About Ballora 2000", "Ballora 2000", QString("Ballora 2000\n") + kCopyrightLine},
                 "Ballora")
{
    BalloraData& d = core_.data;
    kSavedInputs.load(services.paths, d);

    setWindowTitle("Ballora 2000");
    setMaximiseGeometry({100, 100, 348, 330});
    buildLayout();
    addPrintReportEntry();
    std::vector<Field> fields = {
        Field::number(kBirthMonthId, d.birthday.month, 1, 12),
        Field::number(kBirthDayId, d.birthday.day, 1, 31),
        Field::number(kBirthYearId, d.birthday.year, kFirstYear, kLastYear),
        Field::text(kFirstNameId, d.first, 50),
        Field::text(kMiddleNameId, d.middle, 50),
        Field::text(kLastNameId, d.last, 100),
        Field::number(kSelectedMonthId, d.selected.month, 1, 12),
        Field::number(kSelectedDayId, d.selected.day, 1, 31),
        Field::number(kSelectedYearId, d.selected.year, kFirstYear, kLastYear),
        Field::text(kMaxNumberId, d.maxText, 10),
    };
    for (int i = 0; i < 6; ++i)
        fields.push_back(Field::number(kFirstNumberId + i, d.numbers[i], 1, 50));
    setFields(std::move(fields));
    writeFields();
}

void BalloraWindow::helpRequested()
{
    core_.Help();
}

void BalloraWindow::saveInputs()
{
    kSavedInputs.save(services().paths, core_.data);
}

}  // namespace ballora
