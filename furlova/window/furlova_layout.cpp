// The main window's frames: one captioned group per entry, the date group with its three
// small edits, and the row of buttons.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "furlova/window/furlova_window.h"
#include "shell/gui/date_edits.h"

namespace furlova {

namespace {

QGroupBox* editGroup(QWidget* parent, const QString& caption, ControlId id, const QString& tip)
{
    auto* group = new QGroupBox(caption, parent);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    row->addWidget(shell::makeEdit(group, id, tip, caption));
    return group;
}

QGroupBox* listGroup(QWidget* parent, const QString& caption, ControlId id, const QString& tip,
                     const std::vector<std::string>& list)
{
    auto* group = new QGroupBox(caption, parent);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 4);
    QComboBox* combo = shell::makeDropDown(group, id, tip, caption, shell::listItems(list));
    combo->setMaxVisibleItems(14);
    row->addWidget(combo);
    return group;
}

QGroupBox* dateGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Date  MM - DD - YYYY", parent);
    // A digit wider than the longest value, so that the caret never hides one.
    const shell::DateEdits date = shell::makeDateEdits(group,
                                                       {{{kMonthId, "enter month - required field", 3},
                                                         {kDayId, "enter day - required field", 3},
                                                         {kYearId, "enter year - required field", 5}}},
                                                       "Race date", 12);
    QHBoxLayout* row = shell::dateRow(group, date, nullptr, 4, 0);
    row->setContentsMargins(6, 2, 6, 4);
    group->setLayout(row);
    return group;
}

}  // namespace

QHBoxLayout* FurlovaWindow::buttonRow()
{
    QPushButton* odds = shell::makeButton(this, kOddsId, "&Odds", "calculate odds of winning", "Calculate odds");
    odds->setDefault(true);
    connect(odds, &QPushButton::clicked, this, &FurlovaWindow::accept);
    QPushButton* help = shell::makeButton(this, kHelpId, "&Help", "help", "Help");
    connect(help, &QPushButton::clicked, this, &FurlovaWindow::helpRequested);
    QPushButton* exit = shell::makeButton(this, kExitId, "&Exit", "", "Exit");
    connect(exit, &QPushButton::clicked, this, &FurlovaWindow::reject);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(odds);
    for (QPushButton* button : {help, exit}) {
        button->setAutoDefault(true);  // Enter on a focused button presses that button
        row->addWidget(button);
    }
    return row;
}

void FurlovaWindow::buildLayout()
{
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    const QString required = " - required field", optional = " - optional field";
    QWidget* cells[] = {
        editGroup(this, "Horse Name", kHorseId, "enter horse name" + required),
        editGroup(this, "Jockey Name", kJockeyId, "enter jockey name" + optional),
        editGroup(this, "Trainer Name", kTrainerId, "enter trainer name" + optional),
        listGroup(this, "Race Distance", kDistanceId, "select race distance" + required, DistanceList()),
        listGroup(this, "Track Surface", kSurfaceId, "select track surface" + required, SurfaceList()),
        listGroup(this, "Weather", kWeatherId, "select weather" + required, WeatherList()),
        editGroup(this, "Owner Name", kOwnerId, "enter owner name" + optional),
        listGroup(this, "Class of Race", kClassId, "select class of race" + optional, ClassList()),
        listGroup(this, "Medication", kMedicationId, "select medication" + optional, MedicationList()),
        editGroup(this, "Speed of Horse", kSpeedId, "enter horse speed history" + optional),
        editGroup(this, "Horse Weight", kWeightId, "enter horse weight" + optional),
        editGroup(this, "Horse Age", kAgeId, "enter horse age" + optional),
        editGroup(this, "Post Position", kPostId, "enter post position" + optional),
        editGroup(this, "Race Track", kTrackId, "enter race track" + optional),
        dateGroup(this),
    };
    int cell = 0;
    for (QWidget* widget : cells) {
        grid->addWidget(widget, cell / 3, cell % 3);
        ++cell;
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttonRow());
    resize(503, 391);
}

}  // namespace furlova
