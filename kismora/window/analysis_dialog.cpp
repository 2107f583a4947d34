#include "kismora/window/analysis_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kismora/window/dialog_button.h"
#include "kismora/kismora_files.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/limited_text_edit.h"
#include "shell/gui/program_dialog.h"

namespace kismora {

namespace {

constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QLineEdit* readOnly(QWidget* parent, ControlId id, const QString& name)
{
    QLineEdit* box = shell::makeEdit(parent, id, "", name);
    box->setReadOnly(true);
    return box;
}

}  // namespace

AnalysisDialog::AnalysisDialog(shell::Services& services, const std::string& dateName, QWidget* parent) :
    QDialog(parent, kDialogFlags), analysis_(services, dateName), dateName_(dateName)
{
    setWindowTitle("  Analyze Date");
    buildLayout();
}

void AnalysisDialog::buildLayout()
{
    matchName_ = shell::makeDropDown(this, kMatchNameId, "Match Name", "Match name", {"No", "Yes"});
    matchName_->setCurrentText("No");
    auto* title = readOnly(this, kTitleId, "Date analysed");
    title->setText(QString::fromStdString(analysis_.title));
    criteria_ =
        shell::makeDropDown(this, kCriteriaId, "Select Criteria", "Criteria", shell::listItems(criteriaGroups()));
    criteria_->setCurrentIndex(0);
    result_ = readOnly(this, kResultId, "Match result");

    auto* top = new QHBoxLayout;
    top->addWidget(shell::makeLabel(this, "Match Name?", matchName_));
    top->addWidget(matchName_);
    top->addWidget(title, 1);

    auto* choice = new QHBoxLayout;
    choice->addWidget(criteria_, 1);
    choice->addWidget(result_);

    auto* grid = new QGridLayout;
    const char* const headings[] = {"", "You", "Date", "Kismora", "Match"};
    for (int column = 0; column < 5; ++column) {
        grid->addWidget(new QLabel(headings[column], this), 0, column);
        for (int row = 0; row < 6; ++row) {
            // Read as a table is: "Criterion 2", "You, criterion 2".
            const QString name = column == 0 ? QString("Criterion %1").arg(row + 1)
                                             : QString("%1, criterion %2").arg(headings[column]).arg(row + 1);
            grid_[column][row] = readOnly(this, kGridIds[column][row], name);
            grid->addWidget(grid_[column][row], row + 1, column);
        }
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 2);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](ControlId id, const char* caption, const char* tooltip, const char* name = "") {
        QPushButton* made = dialogButton(this, id, caption, tooltip, name);
        buttons->addWidget(made);
        return made;
    };
    connect(button(kAddNoteId, "&Add Note", "Add Note"), &QPushButton::clicked, this, &AnalysisDialog::onAddNote);
    QPushButton* analyze = button(kAnalyzeId, "&Analyze", "Analyze Date");
    analyze->setDefault(true);
    connect(analyze, &QPushButton::clicked, this, &AnalysisDialog::onAnalyze);
    connect(button(kReportId, "&Report", "Create Report"), &QPushButton::clicked, this, [this] { analysis_.Report(); });
    connect(button(kTipsId, "&Tips", "View Tips", "View tips"), &QPushButton::clicked, this,
            [this] { analysis_.Tips(); });
    connect(button(kAnalysisHelpId, "&Help", "Help Wizard", "Help"), &QPushButton::clicked, this,
            [this] { analysis_.Help(); });
    connect(button(kAnalysisCloseId, "&Close", ""), &QPushButton::clicked, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(choice);
    column->addLayout(grid);
    column->addLayout(buttons);
    resize(620, 300);
}

void AnalysisDialog::onAnalyze()
{
    const bool matchName = shell::controlText(*matchName_) == "Yes";
    const auto grid = analysis_.Analyze(shell::controlText(*criteria_), matchName);
    if (!grid)
        return;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 5; ++column)
            grid_[column][row]->setText(QString::fromStdString(grid->cells[row][column]));
    result_->setText(QString::fromStdString("Match: " + std::to_string(grid->score) + "%"));
}

void AnalysisDialog::onAddNote()
{
    NoteDialog dialog(analysis_.services, dateName_, QString::fromStdString(analysis_.title), this);
    analysis_.services.ui.exec(dialog);
}

NoteDialog::NoteDialog(shell::Services& services, const std::string& dateName, const QString& title, QWidget* parent) :
    QDialog(parent, kDialogFlags), note_(services, dateName)
{
    setWindowTitle(" " + title);
    auto* frame = new QGroupBox("Attach Note", this);
    auto* edit = new shell::LimitedTextEdit(frame);
    edit->setObjectName(QString::number(kNoteTextId));
    edit->setToolTip("Enter Note Here");
    shell::nameControl(edit, "Note");
    edit->setMaxLength(800);
    edit->setTabChangesFocus(true);  // Tab goes on to Save, Delete and Cancel
    edit->setPlainText(QString::fromStdString(note_.text));
    edit_ = edit;
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(edit);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto button = [&](ControlId id, const char* caption, const char* tooltip, const char* name = "") {
        QPushButton* made = dialogButton(this, id, caption, tooltip, name);
        buttons->addWidget(made);
        return made;
    };
    connect(button(kNoteSaveId, "&Save", "Save Note", "Save note"), &QPushButton::clicked, this, &NoteDialog::onSave);
    connect(button(kNoteDeleteId, "&Delete", "Delete Note"), &QPushButton::clicked, this, &NoteDialog::onDelete);
    connect(button(kNoteCancelId, "&Cancel", ""), &QPushButton::clicked, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(frame, 1);
    column->addLayout(buttons);
    resize(420, 260);
}

void NoteDialog::onSave()
{
    note_.text = edit_->toPlainText().toStdString();
    if (note_.Save())
        accept();
}

void NoteDialog::onDelete()
{
    note_.text = edit_->toPlainText().toStdString();
    if (note_.Delete())
        edit_->clear();
}

}  // namespace kismora
