#include "furrowen/window/furrowen_window.h"

#include <QPushButton>

#include "furrowen/saved_inputs.h"

namespace furrowen {

using shell::Field;

static const char* const kPromptCaption = "Furrowen";

FurrowenWindow::FurrowenWindow(shell::Services& services) :
    ProgramDialog(services, {"&About Furrowen 2000", "FURROWEN",
                             "Furrowen 2000\nCopyright (C) 2000-2026 Mystorin. For entertainment purposes only."}),
    core_(services)
{
    PetData& d = core_.data;
    loadSavedInputs(services.paths, d);
    fields_ = {
        Field::text(1003, d.name, 100),
        Field::text(1008, d.age, 20),
        Field::number(1005, d.selected.month, 1, 12),
        Field::number(1006, d.selected.day, 1, 31),
        Field::number(1007, d.selected.year, 1900, 2099),
    };

    setWindowTitle("Furrowen 2000");
    setWindowIcon(shell::programIcon('F', QColor(150, 90, 30)));
    setMaximiseGeometry({150, 150, 412, 320});
    buildLayout();
    shell::applyLimits(*this, fields_);
    writeFields();

    auto button = [this](int id) { return qobject_cast<QPushButton*>(shell::control(*this, id)); };
    connect(button(1001), &QPushButton::clicked, this, [this] { core_.pressDog(); });
    connect(button(1002), &QPushButton::clicked, this, [this] { core_.pressCat(); });
    connect(button(kReadingId), &QPushButton::clicked, this, &FurrowenWindow::reading);
    connect(button(kHelpId), &QPushButton::clicked, this, &FurrowenWindow::helpRequested);
    connect(button(kExitId), &QPushButton::clicked, this, &FurrowenWindow::reject);
}

void FurrowenWindow::readFields()
{
    shell::readControls(*this, fields_, core_.ui, kPromptCaption);
}

void FurrowenWindow::writeFields()
{
    shell::writeControls(*this, fields_);
}

void FurrowenWindow::reading()
{
    readFields();
    if (core_.Reading())
        writeFields();
}

void FurrowenWindow::helpRequested()
{
    core_.Help();
}

void FurrowenWindow::reject()
{
    readFields();
    saveSavedInputs(services().paths, core_.data);
    ProgramDialog::reject();
}

}  // namespace furrowen
