#include "psyvane/window/psyvane_window.h"

#include <QContextMenuEvent>
#include <QProgressBar>
#include <QPushButton>

namespace psyvane {

using shell::Field;

static const char* const kPromptCaption = "Psyvane";

PsyvaneWindow::PsyvaneWindow(shell::Services& services) :
    ProgramDialog(services, {}),  // no About entry
    core_(services)
{
    PsyvaneData& d = core_.data;
    fields_ = {
        Field::number(1016, d.date.month, 1, 12),
        Field::number(1017, d.date.day, 1, 31),
        Field::number(1018, d.date.year, 1900, 2099),
        Field::text(1014, d.type, 20),
        Field::text(1009, d.number, 1),
        Field::text(1010, d.color, 20),
        Field::text(1012, d.shape, 20),
        Field::text(1013, d.sign, 20),
    };

    setWindowTitle("Psyvane 2000");
    setWindowIcon(shell::programIcon('P', QColor(110, 40, 140)));
    setMaximiseGeometry({100, 100, 494, 295});
    buildLayout();
    shell::applyLimits(*this, fields_);
    writeFields();
    core_.showProgress = [this](int value) { showProgress(value); };

    auto button = [this](int id) { return qobject_cast<QPushButton*>(shell::control(*this, id)); };
    const std::pair<int, Exercise> exercises[] = {
        {kNumbersId, Exercise::Numbers},
        {kColorsId, Exercise::Colors},
        {kShapesId, Exercise::Shapes},
        {kSignsId, Exercise::Signs},
    };
    for (auto [id, exercise] : exercises)
        connect(button(id), &QPushButton::clicked, this, [this, exercise] { core_.RunExercise(exercise); });
    connect(button(kCheckId), &QPushButton::clicked, this, &PsyvaneWindow::checkIntuition);
    connect(button(kDevelopId), &QPushButton::clicked, this, [this] { core_.Develop(); });
    connect(button(kFineTuneId), &QPushButton::clicked, this, [this] { core_.FineTune(); });
    connect(button(kHelpId), &QPushButton::clicked, this, &PsyvaneWindow::helpRequested);
}

void PsyvaneWindow::readFields()
{
    shell::readControls(*this, fields_, core_.ui, kPromptCaption);
}

void PsyvaneWindow::writeFields()
{
    shell::writeControls(*this, fields_);
}

void PsyvaneWindow::showProgress(int value)
{
    progress_->setValue(value);
    progress_->repaint();
}

void PsyvaneWindow::checkIntuition()
{
    readFields();
    if (core_.CheckIntuition())
        writeFields();
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
