#include "kismora/window/date_book_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "kismora/window/dialog_button.h"
#include "kismora/window/analysis_dialog.h"
#include "kismora/window/profile_dialog.h"
#include "shell/gui/program_dialog.h"

namespace kismora {

DateBookDialog::DateBookDialog(shell::Services& services, QWidget* parent) :
    QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
    book_(services)
{
    setWindowTitle("  Date Book");
    buildLayout();
    showNames();
}

void DateBookDialog::buildLayout()
{
    list_ = new QListWidget(this);
    list_->setObjectName(QString::number(kDateListId));
    list_->setToolTip("Dates Currently in Your Date Book");
    shell::nameControl(list_, "Dates in your date book");
    // The chosen name follows the selection, not the current item: moving to the list
    // makes its first entry current but chooses nothing.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = selectedRow();
        book_.selected = row < 0 ? std::string() : list_->item(row)->text().toStdString();
    });

    auto* analyze = dialogButton(this, kAnalyzeDateId, "&Analyze Date", "Analyze Selected Date");
    auto* add = dialogButton(this, kNewDateId, "&New Date", "New Date Wizard");
    auto* remove = dialogButton(this, kDeleteDateId, "&Delete Date", "Delete Selected Date");
    auto* edit = dialogButton(this, kEditDateId, "&Edit Date", "Edit Date Info");
    auto* help = dialogButton(this, kBookHelpId, "&Help", "Help Wizard", "Help");
    analyze->setDefault(true);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {analyze, add, remove, edit, help})
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto* row = new QHBoxLayout(this);
    row->addWidget(list_, 1);
    row->addLayout(buttons);

    connect(analyze, &QPushButton::clicked, this, &DateBookDialog::onAnalyzeDate);
    connect(add, &QPushButton::clicked, this, &DateBookDialog::onNewDate);
    connect(remove, &QPushButton::clicked, this, &DateBookDialog::onDeleteDate);
    connect(edit, &QPushButton::clicked, this, &DateBookDialog::onEditDate);
    connect(help, &QPushButton::clicked, this, [this] { book_.Help(); });
    resize(380, 240);
}

void DateBookDialog::showNames()
{
    // Refilling keeps the chosen name as the book has it (cleared after a delete).
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const std::string& name : book_.names)
        list_->addItem(QString::fromStdString(name));
}

int DateBookDialog::selectedRow() const
{
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    return chosen.isEmpty() ? -1 : list_->row(chosen.first());
}

void DateBookDialog::onNewDate()
{
    ProfileDialog dialog(book_.services, ProfileKind::NewDate, {}, this);
    book_.services.ui.exec(dialog);
    const std::vector<std::string> saved = dialog.form().savedNames;
    if (saved.empty())
        return;
    book_.AddDates(saved);
    const QSignalBlocker quiet(list_);
    for (const std::string& name : saved)
        list_->addItem(QString::fromStdString(name));
}

void DateBookDialog::onEditDate()
{
    if (!book_.DateChosen())
        return;
    ProfileDialog dialog(book_.services, ProfileKind::EditDate, book_.selected, this);
    book_.services.ui.exec(dialog);
}

void DateBookDialog::onDeleteDate()
{
    if (book_.Delete(selectedRow()))
        showNames();
}

void DateBookDialog::onAnalyzeDate()
{
    if (!book_.DateChosen())
        return;
    AnalysisDialog dialog(book_.services, book_.selected, this);
    book_.services.ui.exec(dialog);
}

}  // namespace kismora
