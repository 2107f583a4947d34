#include "pulsara/window/pulsara_window.h"

#include <QProgressBar>
#include <QPushButton>

#include "pulsara/saved_inputs.h"

namespace pulsara {

using shell::Field;

static const char* const kPromptCaption = "Pulsara";

PulsaraWindow::PulsaraWindow(shell::Services& services) :
    ProgramDialog(services, {"&About Pulsara 2000", "Pulsara 2000",
                             "Pulsara 2000\nCopyright (C) 2000-2026 Mystorin. For entertainment purposes only."}),
    core_(services)
{
    PulsaraData& d = core_.data;
    loadSavedInputs(services.paths, d);
    fields_ = {
        Field::text(1001, d.name, 120),
        Field::number(1011, d.birth.month, 1, 12),
        Field::number(1012, d.birth.day, 1, 31),
        Field::number(1013, d.birth.year, 1800, 2099),
        Field::number(1002, d.selected.month, 1, 12),
        Field::number(1003, d.selected.day, 1, 31),
        Field::number(1004, d.selected.year, 1800, 2099),
        Field::text(1007, d.number, 20),
        Field::text(1008, d.colour, 20),
    };

    setWindowTitle(" Pulsara 2000");
    setWindowIcon(shell::programIcon('P', QColor(170, 30, 60)));
    buildLayout();
    setMaximiseGeometry({100, 100, 520, 540});
    shell::applyLimits(*this, fields_);
    writeFields();
    showMeters();

    auto button = [this](int id) { return qobject_cast<QPushButton*>(shell::control(*this, id)); };
    connect(button(kNumerologyId), &QPushButton::clicked, this, [this] { measure(Method::Numerology); });
    connect(button(kTraditionalId), &QPushButton::clicked, this, [this] { measure(Method::Traditional); });
    connect(button(kExplainId), &QPushButton::clicked, this, [this] { core_.Explain(); });
    connect(button(kHelpId), &QPushButton::clicked, this, &PulsaraWindow::helpRequested);
    connect(button(kExitId), &QPushButton::clicked, this, &PulsaraWindow::reject);
}

void PulsaraWindow::readFields()
{
    shell::readControls(*this, fields_, core_.ui, kPromptCaption);
}

void PulsaraWindow::writeFields()
{
    shell::writeControls(*this, fields_);
}

void PulsaraWindow::showMeters()
{
    const Meters& m = core_.data.meters;
    const std::pair<int, int> meters[] = {{1014, m.physical}, {1005, m.emotional}, {1015, m.intellectual}};
    for (auto [id, value] : meters)
        qobject_cast<QProgressBar*>(shell::control(*this, id))->setValue(value);
}

void PulsaraWindow::measure(Method method)
{
    readFields();
    if (!core_.Measure(method))
        return;
    writeFields();
    showMeters();
}

void PulsaraWindow::helpRequested()
{
    core_.Help();
}

void PulsaraWindow::reject()
{
    readFields();
    saveSavedInputs(services().paths, core_.data);
    ProgramDialog::reject();
}

}  // namespace pulsara
