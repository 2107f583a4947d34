#include "shell/gui/calendar_export.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/gui/program_dialog.h"
#include "shell/icalendar.h"

namespace shell {

std::optional<ExportChoice> askExportChoice(Ui& ui, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle("Export to Calendar");
    auto* span = new QGroupBox("Days to export", &dialog);
    auto* month = new QRadioButton("the &month shown", span);
    month->setToolTip("the days of the month the calendar shows");
    auto* year = new QRadioButton("the &twelve months from it", span);
    year->setToolTip("the days of the month shown and the eleven months after it");
    month->setChecked(true);
    auto* spanLayout = new QVBoxLayout(span);
    spanLayout->addWidget(month);
    spanLayout->addWidget(year);
    auto* bad = new QCheckBox("also the &bad days", &dialog);
    bad->setToolTip("export the bad days as well as the good ones");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    nameControl(buttons->button(QDialogButtonBox::Ok), "Export these days");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(span);
    layout->addWidget(bad);
    layout->addWidget(buttons);
    if (ui.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return ExportChoice{year->isChecked(), bad->isChecked()};
}

DateTime exportStamp(const Clock* clock)
{
    if (clock)
        return utcFromLocal(clock->now());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return {now.date().year(), now.date().month(),  now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second()};
}

}  // namespace shell
