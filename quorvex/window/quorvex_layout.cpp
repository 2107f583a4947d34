// The main window's frames, controls, ids, lists and tooltips.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "quorvex/window/quorvex_window.h"
#include "shell/gui/date_edits.h"

namespace quorvex {

using shell::listItems;
using shell::makeButton;
using shell::makeDropDown;
using shell::makeEdit;

namespace {

// One control in a frame of its own, as every field of this window sits.
QGroupBox* framed(QWidget* parent, const QString& title, QWidget* control)
{
    auto* group = new QGroupBox(title, parent);
    control->setParent(group);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->addWidget(control);
    return group;
}

// The frame's title names the control, unless `name` says more.
QGroupBox* edit(QWidget* parent, const QString& title, ControlId id, const char* tooltip, const QString& name = {})
{
    return framed(parent, title, makeEdit(parent, id, tooltip, name.isEmpty() ? title : name));
}

QGroupBox* list(QWidget* parent, const QString& title, ControlId id, const char* tooltip,
                std::span<const char* const> items, const QString& name = {})
{
    return framed(parent, title, makeDropDown(parent, id, tooltip, name.isEmpty() ? title : name, listItems(items)));
}

// Month, day and year boxes side by side in one frame.
QGroupBox* dateFrame(QWidget* parent, const QString& title, const ControlId ids[3], const char* const tips[3],
                     const QString& date)
{
    auto* group = new QGroupBox(title, parent);
    const shell::DateEdits edits =
        shell::makeDateEdits(group, {{{ids[0], tips[0], 5}, {ids[1], tips[1], 5}, {ids[2], tips[2], 7}}}, date, 0);
    QHBoxLayout* layout = shell::dateRow(group, edits, nullptr, -1, 0);
    layout->setContentsMargins(6, 2, 6, 4);
    group->setLayout(layout);
    return group;
}

}  // namespace

QVBoxLayout* QuorvexWindow::securityColumn()
{
    auto* column = new QVBoxLayout;
    column->addWidget(edit(this, "Security Name", kSecurityId, "enter security name - required field"));
    column->addWidget(list(this, "Security Type", kTypeId, "select security type - required field", securityTypes()));
    column->addWidget(list(this, "Stock Exchange", kExchangeId, "select stock exchange - optional field", exchanges()));
    column->addWidget(edit(this, "Current Price Per Share", kPriceId, "enter price per share - required field"));
    column->addWidget(edit(this, "Number of Shares", kSharesId, "enter number of shares - required field"));
    column->addWidget(
        list(this, "Desired Action", kActionId, "select desired action - required field", quorvex::actions()));
    column->addStretch(1);
    return column;
}

QVBoxLayout* QuorvexWindow::investorColumn()
{
    auto* column = new QVBoxLayout;
    column->addWidget(edit(this, "Investor's Name", kInvestorId, "enter investor's full name - required field"));
    const ControlId birthday[] = {kBirthMonthId, kBirthDayId, kBirthYearId};
    const char* const birthdayTips[] = {"enter birth month - required field", "enter birth day - required field",
                                        "enter birth year - required field"};
    column->addWidget(dateFrame(this, "Birthday  M - D - Y", birthday, birthdayTips, "Investor's birthday"));
    column->addWidget(list(this, "Personal Information", kStatusId, "select status - required field", statuses(),
                           "Investor's marital status"));
    column->addWidget(list(this, "Account Type", kAccountId, "select account type - optional field", accountTypes()));
    column->addWidget(edit(this, "Broker", kBrokerId, "enter broker's name or broker's firm name - optional field"));
    const ControlId selected[] = {kSelectedMonthId, kSelectedDayId, kSelectedYearId};
    const char* const selectedTips[] = {"select month - required field", "select day - required field",
                                        "select year - required field"};
    column->addWidget(dateFrame(this, "Select Date  M - D - Y", selected, selectedTips, "Selected date"));
    column->addStretch(1);
    return column;
}

QGroupBox* QuorvexWindow::portfolioFrame()
{
    auto* group = new QGroupBox("Personal Portfolio", this);
    auto* layout = new QVBoxLayout(group);
    list_ = new QListWidget(group);
    list_->setObjectName(QString::number(kListId));
    list_->setToolTip("items currently in your personal portfolio");
    shell::nameControl(list_, "Personal portfolio");
    list_->installEventFilter(this);
    // A choice of the user's is a change of selection: moving to the list only makes its
    // first entry current, which opens nothing.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = list_->selectedItems();
        if (!chosen.isEmpty())
            openEntry(list_->row(chosen.first()));
    });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openEntry(list_->row(item)); });
    layout->addWidget(list_, 1);

    auto* grid = new QGridLayout;
    int i = 0;
    auto place = [&](ControlId id, const char* caption, const char* tooltip, const char* name = "") {
        QPushButton* button = makeButton(group, id, caption, tooltip, name);
        grid->addWidget(button, i / 2, i % 2);
        ++i;
        return button;
    };
    connect(place(kAddId, "&Add", "add to your personal portfolio", "Add to portfolio"), &QPushButton::clicked, this,
            [this] { runOnList(&Quorvex::Add); });
    connect(place(kDeleteId, "&Delete", "delete from your personal portfolio"), &QPushButton::clicked, this,
            [this] { runOnList(&Quorvex::Delete); });
    connect(place(kSaveId, "&Save", "save your personal portfolio", "Save portfolio"), &QPushButton::clicked, this,
            [this] { run(&Quorvex::Save); });
    connect(place(kOddsId, "&Odds", "calculate odds", "Calculate odds"), &QPushButton::clicked, this,
            &QuorvexWindow::odds);
    QPushButton* help = place(kHelpId, "&Help", "help information", "Help");
    connect(help, &QPushButton::clicked, this, &QuorvexWindow::helpRequested);
    // Help is the dialog's OK button: Enter in a field runs it.
    help->setDefault(true);
    connect(place(kClearId, "&Clear", "clear all fields"), &QPushButton::clicked, this, &QuorvexWindow::clear);
    layout->addLayout(grid);
    return group;
}

void QuorvexWindow::buildLayout()
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addLayout(securityColumn(), 1);
    row->addLayout(investorColumn(), 1);
    row->addWidget(portfolioFrame(), 1);
    resize(519, 386);
}

}  // namespace quorvex
