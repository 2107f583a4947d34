// The analysis window of one date, and the note window it opens.
#pragma once
#include <QDialog>

#include "kismora/analysis.h"
#include "kismora/note.h"
#include "kismora/window/kismora_window.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace kismora {

// The grid, one row of six per column: labels, you, date, ideal, match.
inline constexpr ControlId kGridIds[5][6] = {
    {kLabel1Id, kLabel2Id, kLabel3Id, kLabel4Id, kLabel5Id, kLabel6Id},
    {kYou1Id, kYou2Id, kYou3Id, kYou4Id, kYou5Id, kYou6Id},
    {kDate1Id, kDate2Id, kDate3Id, kDate4Id, kDate5Id, kDate6Id},
    {kIdeal1Id, kIdeal2Id, kIdeal3Id, kIdeal4Id, kIdeal5Id, kIdeal6Id},
    {kMatch1Id, kMatch2Id, kMatch3Id, kMatch4Id, kMatch5Id, kMatch6Id},
};

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
    QComboBox* matchName_ = nullptr;
    QComboBox* criteria_ = nullptr;
    QLineEdit* result_ = nullptr;
    QLineEdit* grid_[5][6] = {};  // by column, then row
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
