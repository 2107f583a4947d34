// The analysis window of one date, and the note window it opens.
#pragma once
#include <QDialog>

#include "kismora/analysis.h"
#include "kismora/note.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace kismora {

enum AnalysisControl {
    kAnalyzeId = 1,
    kAnalysisCloseId = 2,
    kReportId = 1003,
    kTipsId = 1004,
    kAnalysisHelpId = 1005,
    kTitleId = 1000,
    kCriteriaId = 1015,
    kMatchNameId = 1016,
    kResultId = 1061,
    kAddNoteId = 1062
};

// Ids of the grid, one row of six per column: labels, you, date, ideal, match.
extern const int kGridIds[5][6];

class AnalysisDialog : public QDialog {
    Q_OBJECT
public:
    AnalysisDialog(shell::Services& services, const std::string& dateName, QWidget* parent = nullptr);

    Analysis& analysis() { return analysis_; }

private:
    void buildLayout();
    void onAnalyze();
    void onAddNote();

    Analysis analysis_;
    std::string dateName_;
};

class NoteDialog : public QDialog {
    Q_OBJECT
public:
    NoteDialog(shell::Services& services, const std::string& dateName, const QString& title, QWidget* parent = nullptr);

private:
    void onSave();
    void onDelete();

    Note note_;
    QPlainTextEdit* edit_ = nullptr;
};

}  // namespace kismora
