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

namespace duovell {

using shell::makeButton;
using shell::makeCheck;
using shell::makeDropDown;
using shell::makeEdit;

namespace {

QStringList items(std::span<const char* const> list, bool sorted)
{
    QStringList out;
    for (const char* item : list)
        out << QString::fromUtf8(item);
    if (sorted)
        out.sort();
    return out;
}

QLabel* label(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QLineEdit* dateEdit(QWidget* parent, int id, const char* tooltip)
{
    QLineEdit* edit = makeEdit(parent, id, tooltip);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("000000") + 10);
    return edit;
}

// Month, day and year edits under their labels, in one row of a grid.
void dateRow(QWidget* parent, QGridLayout* grid, int row, const int ids[3], const char* const tips[3])
{
    const char* const names[] = {"Month", "Day", "Year"};
    auto* box = new QGridLayout;
    box->setHorizontalSpacing(4);
    box->setVerticalSpacing(0);
    for (int i = 0; i < 3; ++i) {
        QLineEdit* edit = dateEdit(parent, ids[i], tips[i]);
        box->addWidget(label(parent, names[i], edit), 0, i);
        box->addWidget(edit, 1, i);
    }
    box->setColumnStretch(3, 1);
    grid->addLayout(box, row, 0, 1, 2);
}

struct PersonIds {
    int first, last, month, day, year, hair, eyes, male, single, pets;
};

QGroupBox* personGroup(QWidget* parent, const QString& title, const PersonIds& ids)
{
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(4);
    QLineEdit* first = makeEdit(group, ids.first, "enter first name here");
    QLineEdit* last = makeEdit(group, ids.last, "enter last name here");
    grid->addWidget(label(group, "FN", first), 0, 0);
    grid->addWidget(first, 0, 1);
    grid->addWidget(label(group, "LN", last), 1, 0);
    grid->addWidget(last, 1, 1);
    grid->addWidget(new QLabel("Birthday", group), 2, 0, 1, 2);
    const int dates[] = {ids.month, ids.day, ids.year};
    const char* const tips[] = {"enter birthday month here", "enter birthday day here", "enter birthday year here"};
    dateRow(group, grid, 3, dates, tips);
    QComboBox* hair = makeDropDown(group, ids.hair, "choose hair color here", items(hairColours(), true));
    QComboBox* eyes = makeDropDown(group, ids.eyes, "choose eyes color here", items(eyeColours(), true));
    grid->addWidget(label(group, "Hair", hair), 4, 0);
    grid->addWidget(hair, 4, 1);
    grid->addWidget(label(group, "Eyes", eyes), 5, 0);
    grid->addWidget(eyes, 5, 1);
    auto* checks = new QHBoxLayout;
    checks->addWidget(makeCheck(group, ids.male, "male", "check if male"));
    checks->addWidget(makeCheck(group, ids.single, "single", "check if single"));
    checks->addWidget(makeCheck(group, ids.pets, "pets", "check if has any pets"));
    grid->addLayout(checks, 6, 0, 1, 2);
    grid->setRowStretch(7, 1);
    return group;
}

QGroupBox* optionsGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Options", parent);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel("Select Date", group), 0, 0, 1, 2);
    const int dates[] = {1000, 1001, 1002};
    const char* const tips[] = {"choose month here", "choose day here", "choose year here"};
    dateRow(group, grid, 1, dates, tips);
    QComboBox* activity = makeDropDown(group, 1025, "choose any activity here", items(activities(), false));
    activity->setPlaceholderText("activity");
    grid->addWidget(activity, 2, 0, 1, 2);
    const struct {
        int id;
        const char* caption;
        const char* tooltip;
    } buttons[] = {
        {1, "Reading", "prediction for any day"}, {1028, "Report", "reports"},
        {1035, "Fortune", "fortune reading"},     {1036, "Regrets", "regrets reading"},
        {1033, "Loyalty", "loyalty reading"},     {1034, "Trust", "trust reading"},
        {1031, "Business", "business reading"},   {1032, "Friendship", "friendship reading"},
        {1029, "Love", "love reading"},           {1030, "Fate", "fate reading"},
        {1003, "Help", "help information"},       {2, "Exit", ""},
    };
    int i = 0;
    for (const auto& b : buttons) {
        QPushButton* button = makeButton(group, b.id, b.caption, b.tooltip);
        grid->addWidget(button, 3 + i / 2, i % 2);
        ++i;
    }
    grid->setRowStretch(3 + i / 2, 1);
    return group;
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

void DuovellWindow::buildLayout()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(banner(this));
    auto* row = new QHBoxLayout;
    row->addWidget(personGroup(this, "Individual # 1", {1005, 1006, 1007, 1008, 1009, 1013, 1014, 1021, 1020, 1012}),
                   1);
    row->addWidget(personGroup(this, "Individual # 2", {1015, 1016, 1017, 1018, 1019, 1023, 1024, 1027, 1026, 1022}),
                   1);
    row->addWidget(optionsGroup(this));
    outer->addLayout(row);
    // "Reading" is the dialog's OK button: Enter runs it.
    qobject_cast<QPushButton*>(shell::control(*this, 1))->setDefault(true);
    resize(570, 400);
}

}  // namespace duovell
