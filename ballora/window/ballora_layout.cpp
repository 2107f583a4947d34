// The main window's groups, controls, ids and tooltips, and the picture band.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ballora/window/ballora_window.h"
#include "shell/gui/date_edits.h"
#include "shell/gui/decoration.h"

namespace ballora {

using shell::makeEdit;
using shell::makeLabel;

namespace {

QGridLayout* groupGrid(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(4);
    return grid;
}

// A date's one-letter boxes on one row.
QGroupBox* dateGroup(QWidget* parent, const QString& title, const std::array<shell::DatePart, 3>& parts,
                     const QString& date)
{
    auto* box = new QGroupBox(title, parent);
    QGridLayout* grid = groupGrid(box);
    shell::addDateToGrid(grid, 0, 0, shell::makeDateEdits(box, parts, date, 12), {"M", "D", "Y"});
    grid->setColumnStretch(6, 1);
    return box;
}

struct NameEntry {
    const char* label;
    ControlId id;
    const char* tip;
    const char* name;  // what a screen reader reads, which the one-letter label does not say
};

// The names, one under the other, each taking the room left.
QGroupBox* namesGroup(QWidget* parent, const QString& title, std::initializer_list<NameEntry> entries)
{
    auto* box = new QGroupBox(title, parent);
    QGridLayout* grid = groupGrid(box);
    int row = 0;
    for (const NameEntry& entry : entries) {
        QLineEdit* edit = makeEdit(box, entry.id, entry.tip, entry.name);
        grid->addWidget(makeLabel(box, entry.label, edit), row, 0, Qt::AlignRight);
        grid->addWidget(edit, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

// The band between the inputs and the results: a row of lottery balls.
QLabel* band(QWidget* parent)
{
    QPixmap pixmap(330, 30);
    pixmap.fill(QColor(20, 70, 35));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = shell::windowFont(8);
    font.setBold(true);
    painter.setFont(font);
    const QColor colours[] = {QColor(200, 40, 40),   QColor(240, 190, 30), QColor(40, 90, 200),
                              QColor(240, 240, 240), QColor(120, 40, 160), QColor(240, 120, 20)};
    const int shown[] = {7, 14, 21, 28, 35, 42};
    for (int i = 0; i < 6; ++i) {
        const QRectF ball(16 + i * 52, 3, 24, 24);
        QRadialGradient shine(ball.center() - QPointF(5, 5), 16);
        shine.setColorAt(0, Qt::white);
        shine.setColorAt(1, colours[i]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shine);
        painter.drawEllipse(ball);
        painter.setPen(Qt::black);
        painter.drawText(ball, Qt::AlignCenter, QString::number(shown[i]));
    }
    painter.end();
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet("background-color: rgb(20, 70, 35);");
    shell::markAsDecoration(label);
    return label;
}

}  // namespace

QGroupBox* BalloraWindow::resultsGroup()
{
    auto* results = new QGroupBox(" Lottery Numbers", this);
    auto* grid = new QGridLayout(results);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setSpacing(4);
    for (int i = 0; i < 6; ++i) {
        // Read-only, but reached with Tab as any result of a form.
        QLineEdit* number =
            makeEdit(results, kFirstNumberId + i, "lottery number", QString("Lottery number %1").arg(i + 1));
        number->setReadOnly(true);
        number->setAlignment(Qt::AlignCenter);
        grid->addWidget(number, 0, i);
    }
    QComboBox* max = shell::makeDropDown(results, kMaxNumberId, "select max lottery number", "Highest lottery number",
                                         shell::listItems(kMaxNumbers));
    grid->addWidget(makeLabel(results, "Max Number", max), 1, 0, 1, 2);
    grid->addWidget(max, 2, 0, 1, 2);

    auto button = [&](ControlId id, const char* caption, const char* tip, const char* name,
                      void (BalloraWindow::*handler)()) {
        QPushButton* made = shell::makeButton(results, id, caption, tip, name);
        made->setAutoDefault(true);  // Enter on a focused button presses that button
        connect(made, &QPushButton::clicked, this, handler);
        return made;
    };
    QPushButton* calculate =
        button(kCalculateId, "&Calculate", "calculate lottery numbers", "", &BalloraWindow::calculate);
    calculate->setDefault(true);
    grid->addWidget(calculate, 1, 2, 1, 2);
    grid->addWidget(button(kReportId, "&Report", "create lottery report", "", &BalloraWindow::report), 1, 4, 1, 2);
    grid->addWidget(button(kHelpId, "&Help", "help", "Help", &BalloraWindow::helpRequested), 2, 2, 1, 2);
    grid->addWidget(button(kExitId, "&Exit", "", "Exit", &BalloraWindow::reject), 2, 4, 1, 2);
    return results;
}

void BalloraWindow::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    auto* dates = new QHBoxLayout;
    dates->addWidget(dateGroup(this, " Birthday Info",
                               {{{kBirthMonthId, "enter birth month", 2},
                                 {kBirthDayId, "enter birth date", 2},
                                 {kBirthYearId, "enter birth year", 4}}},
                               "Birthday"));
    dates->addWidget(dateGroup(this, " Select Date",
                               {{{kSelectedMonthId, "select month", 2},
                                 {kSelectedDayId, "select date", 2},
                                 {kSelectedYearId, "select year", 4}}},
                               "Selected date"));
    layout->addLayout(dates);
    layout->addWidget(namesGroup(this, "   Personal Info",
                                 {{"F", kFirstNameId, "enter first name", "First name"},
                                  {"M", kMiddleNameId, "enter middle name", "Middle name"},
                                  {"L", kLastNameId, "enter last name", "Last name"}}));
    layout->addWidget(band(this));
    layout->addWidget(resultsGroup());
    layout->addStretch(1);

    resize(348, 330);
}

}  // namespace ballora
