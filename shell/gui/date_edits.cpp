#include "shell/gui/date_edits.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "shell/gui/program_dialog.h"

namespace shell {

DateEdits makeDateEdits(QWidget* parent, const std::array<DatePart, 3>& parts, const QString& date, int margin)
{
    static const char* const kPartNames[] = {"month", "day", "year"};
    DateEdits edits{};
    for (int i = 0; i < 3; ++i) {
        edits[i] = makeEdit(parent, parts[i].id, parts[i].tooltip, date + ": " + kPartNames[i]);
        setWidthForDigits(edits[i], parts[i].digits, margin);
    }
    return edits;
}

QHBoxLayout* dateRow(QWidget* parent, const DateEdits& edits, const DateLabels* labels, int spacing, int gap)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(spacing);
    for (int i = 0; i < 3; ++i) {
        if (labels)
            row->addWidget(makeLabel(parent, (*labels)[i], edits[i]));
        row->addWidget(edits[i]);
        if (gap > 0)
            row->addSpacing(gap);
    }
    row->addStretch(1);
    return row;
}

void addDateToGrid(QGridLayout* grid, int row, int column, const DateEdits& edits, const DateLabels& labels)
{
    for (int i = 0; i < 3; ++i) {
        QWidget* parent = edits[i]->parentWidget();
        grid->addWidget(makeLabel(parent, labels[i], edits[i]), row, column++, Qt::AlignRight);
        grid->addWidget(edits[i], row, column++, Qt::AlignLeft);
    }
}

}  // namespace shell
