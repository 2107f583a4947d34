// The main window's controls, ids, captions, groups, lists and tooltips.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "duovell/window/duovell_window.h"
#include "duovell/lists.h"
#include "shell/gui/date_edits.h"

namespace duovell {

using pairing::PairKind;
using shell::listItems;
using shell::makeButton;
using shell::makeCheck;
using shell::makeDropDown;
using shell::makeEdit;
using shell::makeLabel;

namespace {

// Month, day and year edits under their labels, in one row of a grid.
void dateRow(QWidget* parent, QGridLayout* grid, int row, const int ids[3], const char* const tips[3],
             const QString& date)
{
    const char* const names[] = {"Month", "Day", "Year"};
    const shell::DateEdits edits =
        shell::makeDateEdits(parent, {{{ids[0], tips[0], 6}, {ids[1], tips[1], 6}, {ids[2], tips[2], 6}}}, date, 10);
    auto* box = new QGridLayout;
    box->setHorizontalSpacing(4);
    box->setVerticalSpacing(0);
    for (int i = 0; i < 3; ++i) {
        box->addWidget(makeLabel(parent, names[i], edits[i]), 0, i);
        box->addWidget(edits[i], 1, i);
    }
    box->setColumnStretch(3, 1);
    grid->addLayout(box, row, 0, 1, 2);
}

QStringList sorted(QStringList items)
{
    items.sort();
    return items;
}

QLabel* banner(QWidget* parent)
{
    auto* title = new QLabel("Duovell 2000", parent);
    title->setAlignment(Qt::AlignCenter);
    title->setMinimumHeight(40);
    QFont font = shell::windowFont(18);
    font.setBold(true);
    font.setItalic(true);
    title->setFont(font);
    title->setStyleSheet("QLabel { color: #fff3b0; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                         "stop:0 #5a0f3c, stop:0.5 #a8326e, stop:1 #5a0f3c); }");
    return title;
}

}  // namespace

QWidget* DuovellWindow::personGroup(const QString& title, const PersonIds& ids, pairing::Individual& person)
{
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(4);
    const QString who = QString(title).remove("# ");  // "Individual 1", as it is read
    const QString whose = who + "'s ";
    QLineEdit* first = makeEdit(group, ids.first, "enter first name here", whose + "first name");
    QLineEdit* last = makeEdit(group, ids.last, "enter last name here", whose + "last name");
    grid->addWidget(makeLabel(group, "FN", first), 0, 0);
    grid->addWidget(first, 0, 1);
    grid->addWidget(makeLabel(group, "LN", last), 1, 0);
    grid->addWidget(last, 1, 1);
    grid->addWidget(new QLabel("Birthday", group), 2, 0, 1, 2);
    const int dates[] = {ids.month, ids.day, ids.year};
    const char* const tips[] = {"enter birthday month here", "enter birthday day here", "enter birthday year here"};
    dateRow(group, grid, 3, dates, tips, whose + "birthday");
    QComboBox* hair =
        makeDropDown(group, ids.hair, "choose hair color here", whose + "hair color", sorted(listItems(hairColours())));
    QComboBox* eyes =
        makeDropDown(group, ids.eyes, "choose eyes color here", whose + "eyes color", sorted(listItems(eyeColours())));
    grid->addWidget(makeLabel(group, "Hair", hair), 4, 0);
    grid->addWidget(hair, 4, 1);
    grid->addWidget(makeLabel(group, "Eyes", eyes), 5, 0);
    grid->addWidget(eyes, 5, 1);
    auto* checks = new QHBoxLayout;
    QCheckBox* male = makeCheck(group, ids.male, "male", "check if male", who + " is male");
    QCheckBox* single = makeCheck(group, ids.single, "single", "check if single", who + " is single");
    QCheckBox* pets = makeCheck(group, ids.pets, "pets", "check if has any pets", who + " has pets");
    addFlag(male, person.male);
    addFlag(single, person.single);
    addFlag(pets, person.pets);
    checks->addWidget(male);
    checks->addWidget(single);
    checks->addWidget(pets);
    grid->addLayout(checks, 6, 0, 1, 2);
    grid->setRowStretch(7, 1);
    return group;
}

QWidget* DuovellWindow::optionsGroup()
{
    auto* group = new QGroupBox("Options", this);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel("Select Date", group), 0, 0, 1, 2);
    const int dates[] = {kSelectedMonthId, kSelectedDayId, kSelectedYearId};
    const char* const tips[] = {"choose month here", "choose day here", "choose year here"};
    dateRow(group, grid, 1, dates, tips, "Selected date");
    QComboBox* activity =
        makeDropDown(group, kActivityId, "choose any activity here", "Activity", listItems(activities()));
    activity->setPlaceholderText("activity");
    grid->addWidget(activity, 2, 0, 1, 2);

    int i = 0;
    auto place = [&](QPushButton* button) {
        grid->addWidget(button, 3 + i / 2, i % 2);
        ++i;
        return button;
    };
    auto pair = [&](ControlId id, const char* caption, const char* tooltip, PairKind kind) {
        connect(place(makeButton(group, id, caption, tooltip, QString(caption) + " reading")), &QPushButton::clicked,
                this, [this, kind] { pairReading(kind); });
    };
    QPushButton* readingButton =
        place(makeButton(group, kReadingId, "Reading", "prediction for any day", "Reading: prediction for any day"));
    connect(readingButton, &QPushButton::clicked, this, &DuovellWindow::reading);
    // "Reading" is the dialog's OK button: Enter runs it.
    readingButton->setDefault(true);
    connect(place(makeButton(group, kReportId, "Report", "reports", "")), &QPushButton::clicked, this,
            &DuovellWindow::report);
    pair(kFortuneId, "Fortune", "fortune reading", PairKind::Fortune);
    pair(kRegretsId, "Regrets", "regrets reading", PairKind::Regrets);
    pair(kLoyaltyId, "Loyalty", "loyalty reading", PairKind::Loyalty);
    pair(kTrustId, "Trust", "trust reading", PairKind::Trust);
    pair(kBusinessId, "Business", "business reading", PairKind::Business);
    pair(kFriendshipId, "Friendship", "friendship reading", PairKind::Friendship);
    pair(kLoveId, "Love", "love reading", PairKind::Love);
    pair(kFateId, "Fate", "fate reading", PairKind::Fate);
    connect(place(makeButton(group, kHelpId, "Help", "help information", "Help")), &QPushButton::clicked, this,
            &DuovellWindow::helpRequested);
    connect(place(makeButton(group, kExitId, "Exit", "", "Exit")), &QPushButton::clicked, this, &DuovellWindow::reject);
    grid->setRowStretch(3 + i / 2, 1);
    return group;
}

void DuovellWindow::buildLayout()
{
    pairing::PairRecord& r = core_.record;
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(banner(this));
    auto* row = new QHBoxLayout;
    row->addWidget(personGroup("Individual # 1",
                               {kFirstName1Id, kLastName1Id, kBirthMonth1Id, kBirthDay1Id, kBirthYear1Id, kHair1Id,
                                kEyes1Id, kMale1Id, kSingle1Id, kPets1Id},
                               r.one),
                   1);
    row->addWidget(personGroup("Individual # 2",
                               {kFirstName2Id, kLastName2Id, kBirthMonth2Id, kBirthDay2Id, kBirthYear2Id, kHair2Id,
                                kEyes2Id, kMale2Id, kSingle2Id, kPets2Id},
                               r.two),
                   1);
    row->addWidget(optionsGroup());
    outer->addLayout(row);
    resize(570, 400);
}

}  // namespace duovell
