#include "zendary/window/death_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/gui/decoration.h"
#include "shell/gui/program_dialog.h"
#include "zendary/lists.h"
#include "zendary/window/zendary_window.h"

namespace zendary {

using shell::Field;

namespace {

// The small hourglass that flanks the "Days" field on both sides.
QLabel* hourglass(QWidget* parent)
{
    QPixmap pixmap(20, 28);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 60, 30), 1.5));
    painter.drawLine(2, 2, 18, 2);
    painter.drawLine(2, 26, 18, 26);
    painter.setBrush(QColor(220, 190, 120));
    const QPointF top[] = {{4, 3}, {16, 3}, {10, 14}};
    const QPointF bottom[] = {{10, 14}, {16, 25}, {4, 25}};
    painter.drawPolygon(top, 3);
    painter.drawPolygon(bottom, 3);
    painter.end();
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    shell::markAsDecoration(label);
    return label;
}

}  // namespace

DeathDialog::DeathDialog(const Zendary& z, QWidget* parent) :
    QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint), z_(z)
{
    record_.year = z.data.own.year;
    record_.motherYear = z.data.mother.year;
    record_.fatherYear = z.data.father.year;
    DeathRecord& r = record_;
    fields_ = {
        Field::text(kDeathNameId, r.name, 150),
        Field::number(kDeathYearId, r.year, kFirstYear, kLastYear),
        Field::text(kDeathMotherNameId, r.motherName, 150),
        Field::number(kDeathMotherYearId, r.motherYear, kFirstYear, kLastYear),
        Field::text(kDeathFatherNameId, r.fatherName, 150),
        Field::number(kDeathFatherYearId, r.fatherYear, kFirstYear, kLastYear),
        Field::text(kDeathGenderId, r.gender, 30),
        Field::text(kDeathColorId, r.color, 30),
        Field::text(kDeathNumberId, r.number, 30),
        Field::text(kDeathDaysId, r.result, 20),
    };
    setWindowTitle("Numerology & Astrology Death Reading");
    buildLayout();
    shell::applyLimits(*this, fields_);
    shell::writeControls(*this, fields_);
}

void DeathDialog::buildLayout()
{
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    struct Person {
        DeathDialogId name, year;
        const char *label, *nameTip, *yearTip;
        QString person;  // whose name and year, for what a screen reader reads
    };
    const Person people[] = {
        {kDeathNameId, kDeathYearId, " Enter Your Full Name Here", "your name", "your birth year", "Your"},
        {kDeathMotherNameId, kDeathMotherYearId, " Enter Your Mother's Full Name Here", "your mother's name",
         "your mother's birth year", "Your mother's"},
        {kDeathFatherNameId, kDeathFatherYearId, " Enter Your Father's Full Name Here", "your father's name",
         "your father's birth year", "Your father's"},
    };
    int row = 0;
    for (const Person& p : people) {
        QLineEdit* name = shell::makeEdit(frame, p.name, p.nameTip, p.person + " full name");
        QLineEdit* year = shell::makeEdit(frame, p.year, p.yearTip, p.person + " birth year");
        shell::setWidthForDigits(year, 6, 10);
        grid->addWidget(shell::makeLabel(frame, p.label, name), row, 0, 1, 2);
        grid->addWidget(shell::makeLabel(frame, "Birth Year ", year), row++, 2);
        grid->addWidget(name, row, 0, 1, 2);
        grid->addWidget(year, row++, 2);
    }
    QComboBox* lists[] = {
        shell::makeDropDown(frame, kDeathGenderId, "select your gender", "Your gender", {"female", "male"}),
        shell::makeDropDown(frame, kDeathColorId, "select your favorite color", "Your favorite color",
                            {"white", "yellow", "green", "brown", "red", "blue", "black"}),
        shell::makeDropDown(frame, kDeathNumberId, "select your favorite number", "Your favorite number",
                            shell::listItems(numberList())),
    };
    const char* const listLabels[] = {"Gender", "Color", "Number"};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(shell::makeLabel(frame, listLabels[i], lists[i]), row, i);
        grid->addWidget(lists[i], row + 1, i);
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    outer->addWidget(frame);

    auto* bottom = new QHBoxLayout;
    QPushButton* death = shell::makeButton(this, kDeathOkId, "&DEATH", "calculate death reading", "Death reading");
    QPushButton* exit = shell::makeButton(this, kDeathExitId, "&EXIT", "", "Exit");
    // Enter presses the focused button; elsewhere it runs the default &DEATH.
    death->setAutoDefault(true);
    exit->setAutoDefault(true);
    death->setDefault(true);
    auto* daysFrame = new QGroupBox(this);
    auto* daysLayout = new QHBoxLayout(daysFrame);
    auto* result = shell::makeEdit(daysFrame, kDeathDaysId, "", "Days left");
    result->setReadOnly(true);
    result->setAlignment(Qt::AlignCenter);
    shell::setWidthForDigits(result, 10, 10);
    auto* days = new QVBoxLayout;
    days->addWidget(shell::makeLabel(daysFrame, "Days", result), 0, Qt::AlignHCenter);
    days->addWidget(result);
    daysLayout->addWidget(hourglass(daysFrame));
    daysLayout->addLayout(days);
    daysLayout->addWidget(hourglass(daysFrame));
    bottom->addWidget(death, 0, Qt::AlignVCenter);
    bottom->addStretch(1);
    bottom->addWidget(daysFrame);
    bottom->addStretch(1);
    bottom->addWidget(exit, 0, Qt::AlignVCenter);
    outer->addLayout(bottom);

    // Tab follows the picture: DEATH, the days between the hourglasses, EXIT.
    setTabOrder(death, result);
    setTabOrder(result, exit);
    connect(death, &QPushButton::clicked, this, &DeathDialog::onDeath);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(360);
}

void DeathDialog::onDeath()
{
    // A number the transfer refused has been reported by its prompt and stops the reading.
    if (!shell::readControls(*this, fields_, z_.ui, "Zendary"))
        return;
    if (DeathReading(z_, record_))
        shell::writeControls(*this, fields_);
}

void ZendaryWindow::openDeathReading()
{
    // The years are those of the main window's last transfer: nothing is read or
    // checked before the dialog opens, so no prompt of the main window can come first.
    DeathDialog dialog(core_, this);
    core_.ui.exec(dialog);
}

}  // namespace zendary
