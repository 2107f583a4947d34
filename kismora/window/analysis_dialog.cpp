#include "kismora/window/analysis_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kismora/kismora_files.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/limited_text_edit.h"
#include "shell/gui/program_dialog.h"

namespace kismora {

const int kGridIds[5][6] = {
    {1014, 1010, 1035, 1036, 1037, 1038}, {1018, 1042, 1043, 1044, 1045, 1046}, {1009, 1050, 1051, 1052, 1053, 1054},
    {1039, 1040, 1041, 1047, 1048, 1049}, {1055, 1056, 1057, 1058, 1059, 1060},
};

namespace {

constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QLineEdit* readOnly(QWidget* parent, int id)
{
    QLineEdit* box = shell::makeEdit(parent, id, "");
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
    auto* matchName = shell::makeDropDown(this, kMatchNameId, "Match Name", {"No", "Yes"});
    matchName->setCurrentText("No");
    auto* title = readOnly(this, kTitleId);
    title->setText(QString::fromStdString(analysis_.title));
    QStringList groups;
    for (const char* group : criteriaGroups())
        groups << group;
    auto* criteria = shell::makeDropDown(this, kCriteriaId, "Select Criteria", groups);
    criteria->setCurrentIndex(0);
    auto* result = readOnly(this, kResultId);

    auto* top = new QHBoxLayout;
    auto* matchLabel = new QLabel("Match Name?", this);
    matchLabel->setBuddy(matchName);
    top->addWidget(matchLabel);
    top->addWidget(matchName);
    top->addWidget(title, 1);

    auto* choice = new QHBoxLayout;
    choice->addWidget(criteria, 1);
    choice->addWidget(result);

    auto* grid = new QGridLayout;
    const char* const headings[] = {"", "You", "Date", "Kismora", "Match"};
    for (int column = 0; column < 5; ++column) {
        grid->addWidget(new QLabel(headings[column], this), 0, column);
        for (int row = 0; row < 6; ++row)
            grid->addWidget(readOnly(this, kGridIds[column][row]), row + 1, column);
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 2);

    auto* addNote = shell::makeButton(this, kAddNoteId, "&Add Note", "Add Note");
    auto* analyze = shell::makeButton(this, kAnalyzeId, "&Analyze", "Analyze Date");
    auto* report = shell::makeButton(this, kReportId, "&Report", "Create Report");
    auto* tips = shell::makeButton(this, kTipsId, "&Tips", "View Tips");
    auto* help = shell::makeButton(this, kAnalysisHelpId, "&Help", "Help Wizard");
    auto* close = shell::makeButton(this, kAnalysisCloseId, "&Close", "");
    analyze->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {addNote, analyze, report, tips, help, close})
        buttons->addWidget(button);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(choice);
    column->addLayout(grid);
    column->addLayout(buttons);

    connect(analyze, &QPushButton::clicked, this, &AnalysisDialog::onAnalyze);
    connect(addNote, &QPushButton::clicked, this, &AnalysisDialog::onAddNote);
    connect(report, &QPushButton::clicked, this, [this] { analysis_.Report(); });
    connect(tips, &QPushButton::clicked, this, [this] { analysis_.Tips(); });
    connect(help, &QPushButton::clicked, this, [this] { analysis_.Help(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(620, 300);
}

void AnalysisDialog::onAnalyze()
{
    const std::string group = shell::controlText(*shell::control(*this, kCriteriaId));
    const bool matchName = shell::controlText(*shell::control(*this, kMatchNameId)) == "Yes";
    const auto grid = analysis_.Analyze(group, matchName);
    if (!grid)
        return;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 5; ++column)
            shell::setControlText(*shell::control(*this, kGridIds[column][row]), grid->cells[row][column]);
    shell::setControlText(*shell::control(*this, kResultId), "Match: " + std::to_string(grid->score) + "%");
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
    edit->setObjectName("1000");
    edit->setToolTip("Enter Note Here");
    edit->setMaxLength(800);
    edit->setPlainText(QString::fromStdString(note_.text));
    edit_ = edit;
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(edit);

    auto* save = shell::makeButton(this, 1, "&Save", "Save Note");
    auto* remove = shell::makeButton(this, 1003, "&Delete", "Delete Note");
    auto* cancel = shell::makeButton(this, 2, "&Cancel", "");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {save, remove, cancel})
        buttons->addWidget(button);
    auto* column = new QVBoxLayout(this);
    column->addWidget(frame, 1);
    column->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &NoteDialog::onSave);
    connect(remove, &QPushButton::clicked, this, &NoteDialog::onDelete);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
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
