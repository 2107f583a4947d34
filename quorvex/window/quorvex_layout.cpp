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

namespace quorvex {

namespace {

QStringList choices(std::span<const char* const> list)
{
    QStringList out;
    for (const char* item : list)
        out << item;
    return out;
}

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

QGroupBox* edit(QWidget* parent, const QString& title, int id, const char* tooltip)
{
    return framed(parent, title, shell::makeEdit(parent, id, tooltip));
}

QGroupBox* list(QWidget* parent, const QString& title, int id, const char* tooltip, std::span<const char* const> items)
{
    return framed(parent, title, shell::makeDropDown(parent, id, tooltip, choices(items)));
}

// Month, day and year boxes side by side in one frame.
QGroupBox* dateFrame(QWidget* parent, const QString& title, const int ids[3], const char* const tips[3])
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    for (int i = 0; i < 3; ++i) {
        QLineEdit* box = shell::makeEdit(group, ids[i], tips[i]);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(i == 2 ? "0000000" : "00000"));
        layout->addWidget(box);
    }
    layout->addStretch(1);
    return group;
}

QVBoxLayout* securityColumn(QWidget* parent)
{
    auto* column = new QVBoxLayout;
    column->addWidget(edit(parent, "Security Name", 1005, "enter security name - required field"));
    column->addWidget(list(parent, "Security Type", 1006, "select security type - required field", securityTypes()));
    column->addWidget(list(parent, "Stock Exchange", 1007, "select stock exchange - optional field", exchanges()));
    column->addWidget(edit(parent, "Current Price Per Share", 1008, "enter price per share - required field"));
    column->addWidget(edit(parent, "Number of Shares", 1009, "enter number of shares - required field"));
    column->addWidget(list(parent, "Desired Action", 1017, "select desired action - required field", actions()));
    column->addStretch(1);
    return column;
}

QVBoxLayout* investorColumn(QWidget* parent)
{
    auto* column = new QVBoxLayout;
    column->addWidget(edit(parent, "Investor's Name", 1010, "enter investor's full name - required field"));
    const int birthday[] = {1013, 1014, 1015};
    const char* const birthdayTips[] = {"enter birth month - required field", "enter birth day - required field",
                                        "enter birth year - required field"};
    column->addWidget(dateFrame(parent, "Birthday  M - D - Y", birthday, birthdayTips));
    column->addWidget(list(parent, "Personal Information", 1011, "select status - required field", statuses()));
    column->addWidget(list(parent, "Account Type", 1012, "select account type - optional field", accountTypes()));
    column->addWidget(edit(parent, "Broker", 1016, "enter broker's name or broker's firm name - optional field"));
    const int selected[] = {1018, 1019, 1020};
    const char* const selectedTips[] = {"select month - required field", "select day - required field",
                                        "select year - required field"};
    column->addWidget(dateFrame(parent, "Select Date  M - D - Y", selected, selectedTips));
    column->addStretch(1);
    return column;
}

QGroupBox* portfolioFrame(QWidget* parent)
{
    auto* group = new QGroupBox("Personal Portfolio", parent);
    auto* layout = new QVBoxLayout(group);
    auto* names = new QListWidget(group);
    names->setObjectName(QString::number(kListId));
    names->setToolTip("items currently in your personal portfolio");
    layout->addWidget(names, 1);
    const struct {
        int id;
        const char* caption;
        const char* tooltip;
    } buttons[] = {
        {kAddId, "&Add", "add to your personal portfolio"},
        {kDeleteId, "&Delete", "delete from your personal portfolio"},
        {kSaveId, "&Save", "save your personal portfolio"},
        {kOddsId, "&Odds", "calculate odds"},
        {kHelpId, "&Help", "help information"},
        {kClearId, "&Clear", "clear all fields"},
    };
    auto* grid = new QGridLayout;
    int i = 0;
    for (const auto& b : buttons) {
        grid->addWidget(shell::makeButton(group, b.id, b.caption, b.tooltip), i / 2, i % 2);
        ++i;
    }
    layout->addLayout(grid);
    return group;
}

}  // namespace

void QuorvexWindow::buildLayout()
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addLayout(securityColumn(this), 1);
    row->addLayout(investorColumn(this), 1);
    row->addWidget(portfolioFrame(this), 1);
    // Help is the dialog's OK button: Enter in a field runs it.
    qobject_cast<QPushButton*>(shell::control(*this, kHelpId))->setDefault(true);
    resize(519, 386);
}

}  // namespace quorvex
