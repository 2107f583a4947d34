#include "pulsara/window/partner_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "pulsara/pulsara.h"
#include "pulsara/window/pulsara_window.h"
#include "shell/gui/date_edits.h"
#include "shell/gui/program_dialog.h"

namespace pulsara {

PartnerDialog::PartnerDialog(shell::Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui)
{
    setWindowTitle("Compare With");
    // The same ids, limits and tooltips as the main window's own name and birthday.
    QLineEdit* name = shell::makeEdit(this, kNameId, "enter full name here", "Second person's full name", kLongestName);
    const shell::DateEdits birthday = shell::makeDateEdits(
        this, {{{kBirthMonthId, "birth month", 3}, {kBirthDayId, "birth date", 3}, {kBirthYearId, "birth year", 5}}},
        "Second person's birthday", 12);
    fields_ = {
        shell::Field::text(kNameId, name_, kLongestName),
        shell::Field::number(kBirthMonthId, birth_.month, 1, 12),
        shell::Field::number(kBirthDayId, birth_.day, 1, 31),
        shell::Field::number(kBirthYearId, birth_.year, kFirstYear, kLastYear),
    };
    shell::writeControls(*this, fields_);
    auto* grid = new QGridLayout;
    grid->addWidget(shell::makeLabel(this, "Second person's full name", name), 0, 0, 1, 3);
    grid->addWidget(name, 1, 0, 1, 3);
    const char* const labels[] = {"MM", "DD", "YY"};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(shell::makeLabel(this, labels[i], birthday[i]), 2, i);
        grid->addWidget(birthday[i], 3, i);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    shell::nameControl(buttons->button(QDialogButtonBox::Ok), "Compare with this person");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void PartnerDialog::accept()
{
    if (shell::readControls(*this, fields_, ui_, "Pulsara") && PartnerValid(ui_, name_, birth_))
        QDialog::accept();
}

}  // namespace pulsara
