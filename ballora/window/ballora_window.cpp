#include "ballora/window/ballora_window.h"

#include <QPushButton>

#include "ballora/saved_inputs.h"

namespace ballora {

using shell::Field;

BalloraWindow::BalloraWindow(shell::Services& services) :
    ProgramDialog(services, {"&About Ballora 2000", "Ballora 2000", QString("Ballora 2000\n") + kCopyrightLine}),
    core_(services)
{
    BalloraData& d = core_.data;
    loadSavedInputs(services.paths, d);
    fields_ = {
        Field::number(kBirthMonthId, d.birthday.month, 1, 12),
        Field::number(kBirthDayId, d.birthday.day, 1, 31),
        Field::number(kBirthYearId, d.birthday.year, 1900, 2099),
        Field::text(kFirstNameId, d.first, 50),
        Field::text(kMiddleNameId, d.middle, 50),
        Field::text(kLastNameId, d.last, 100),
        Field::number(kSelectedMonthId, d.selected.month, 1, 12),
        Field::number(kSelectedDayId, d.selected.day, 1, 31),
        Field::number(kSelectedYearId, d.selected.year, 1900, 2099),
        Field::text(kMaxNumberId, d.maxText, 10),
    };
    for (int i = 0; i < 6; ++i)
        fields_.push_back(Field::number(kFirstNumberId + i, d.numbers[i], 1, 50));

    setWindowTitle("Ballora 2000");
    setWindowIcon(shell::programIcon('B', QColor(30, 110, 50)));
    setMaximiseGeometry({100, 100, 348, 330});
    buildLayout();
    shell::applyLimits(*this, fields_);
    writeFields();

    auto button = [this](int id) { return qobject_cast<QPushButton*>(shell::control(*this, id)); };
    connect(button(kCalculateId), &QPushButton::clicked, this, &BalloraWindow::calculate);
    connect(button(kReportId), &QPushButton::clicked, this, &BalloraWindow::report);
    connect(button(kHelpId), &QPushButton::clicked, this, &BalloraWindow::helpRequested);
    connect(button(kExitId), &QPushButton::clicked, this, &BalloraWindow::reject);
}

void BalloraWindow::readFields()
{
    shell::readControls(*this, fields_, core_.ui, "Ballora");
}

void BalloraWindow::writeFields()
{
    shell::writeControls(*this, fields_);
}

void BalloraWindow::calculate()
{
    readFields();
    if (core_.Calculate())
        writeFields();
}

void BalloraWindow::report()
{
    readFields();
    if (core_.Report())
        writeFields();
}

void BalloraWindow::helpRequested()
{
    core_.Help();
}

void BalloraWindow::reject()
{
    readFields();
    if (!core_.DatesValid())
        return;
    saveSavedInputs(services().paths, core_.data);
    ProgramDialog::reject();
}

}  // namespace ballora
