#include "pulsara/window/pulsara_window.h"

#include <QProgressBar>

#include "pulsara/saved_inputs.h"
#include "pulsara/window/chart_dialog.h"
#include "shell/copyright.h"

namespace pulsara {

using shell::Field;

PulsaraWindow::PulsaraWindow(shell::Services& services) :
    RecordWindow(services, {"&About Pulsara 2000", "Pulsara 2000", QString("Pulsara 2000\n") + shell::kCopyrightLine},
                 "Pulsara")
{
    PulsaraData& d = core_.data;
    kSavedInputs.load(services.paths, d);
    setWindowTitle(" Pulsara 2000");
    buildLayout();
    setMaximiseGeometry({100, 100, 520, 540});
    // The order in which NA, TM and EX read the fields.
    setFields({
        Field::text(kNameId, d.name, kLongestName),
        Field::number(kBirthMonthId, d.birth.month, 1, 12),
        Field::number(kBirthDayId, d.birth.day, 1, 31),
        Field::number(kBirthYearId, d.birth.year, kFirstYear, kLastYear),
        Field::number(kSelectedMonthId, d.selected.month, 1, 12),
        Field::number(kSelectedDayId, d.selected.day, 1, 31),
        Field::number(kSelectedYearId, d.selected.year, kFirstYear, kLastYear),
        Field::text(kNumberId, d.number, 20),
        Field::text(kColourId, d.colour, 20),
    });
    writeFields();
    addMenuEntry("Biorhythm &Chart...", [this] { showChart(); });
}

void PulsaraWindow::writeExtras()
{
    const Meters& m = core_.data.meters;
    physical_->setValue(m.physical);
    emotional_->setValue(m.emotional);
    intellectual_->setValue(m.intellectual);
}

void PulsaraWindow::measure(Method method)
{
    // A reading sets only the meters: showing the fields again would replace what was
    // typed after a refused number.
    readFields();
    if (core_.Measure(method))
        writeExtras();
}

void PulsaraWindow::showChart()
{
    readFields();
    if (!core_.ChartReady())
        return;
    const PulsaraData& d = core_.data;
    ChartDialog chart(services().ui, d.name, d.birth, d.selected, this);
    chart.setClock(services().clock);
    services().ui.exec(chart);
}

void PulsaraWindow::helpRequested()
{
    core_.Help();
}

void PulsaraWindow::saveInputs()
{
    kSavedInputs.save(services().paths, core_.data);
}

}  // namespace pulsara
