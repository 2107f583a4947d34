#include "psyvane/window/psyvane_window.h"

#include <QContextMenuEvent>
#include <QProgressBar>

namespace psyvane {

using shell::Field;

PsyvaneWindow::PsyvaneWindow(shell::Services& services) : RecordWindow(services, {}, "Psyvane")  // no About entry
{
    PsyvaneData& d = core_.data;
    setWindowTitle("Psyvane 2000");
    setMaximiseGeometry({100, 100, 494, 295});
    buildLayout();
    setFields({
        Field::number(kMonthId, d.date.month, 1, 12),
        Field::number(kDayId, d.date.day, 1, 31),
        Field::number(kYearId, d.date.year, kFirstYear, kLastYear),
        Field::text(kTypeId, d.type, 20),
        Field::text(kNumberId, d.number, 1),
        Field::text(kColorId, d.color, 20),
        Field::text(kShapeId, d.shape, 20),
        Field::text(kSignId, d.sign, 20),
    });
    writeFields();
    core_.showProgress = [this](int value) { showProgress(value); };
}

void PsyvaneWindow::showProgress(int value)
{
    progress_->setValue(value);
    progress_->repaint();
}

void PsyvaneWindow::helpRequested()
{
    core_.Help();
}

void PsyvaneWindow::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    core_.Secret();
}

}  // namespace psyvane
