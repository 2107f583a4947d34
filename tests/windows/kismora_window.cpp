// Kismora's windows: ids, tooltips, lists and limits of the main window, the profile
// form, the date book and the analysis window; the maximise rule; the tip dialog.
#include <filesystem>
#include <fstream>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "tests/support/temp_path.h"
#include "kismora/kismora_files.h"
#include "kismora/window/analysis_dialog.h"
#include "kismora/window/date_book_dialog.h"
#include "kismora/window/kismora_window.h"
#include "kismora/window/profile_dialog.h"
#include "shell/gui/program.h"
#include "shell/gui/tip_dialog.h"
#include "tests/support/window_checks.h"

const shell::Program& mystorin_program_kismora();

namespace kismora_window {

namespace fs = std::filesystem;

namespace texts {
#include "resources/kismora/help_texts.inc"
}

class KismoraWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

    static void checkTips(QWidget& window, std::initializer_list<std::pair<int, const char*>> tips)
    {
        for (auto [id, tip] : tips) {
            QWidget* control = window.findChild<QWidget*>(QString::number(id));
            QVERIFY2(control, qPrintable(QString::number(id)));
            QCOMPARE(control->toolTip(), QString(tip));
        }
    }

    static QStringList items(QWidget& window, int id)
    {
        auto* combo = window.findChild<QComboBox*>(QString::number(id));
        QStringList out;
        for (int i = 0; combo && i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }

    static QString buttonText(QWidget& window, int id)
    {
        auto* button = window.findChild<QPushButton*>(QString::number(id));
        return button ? button->text() : QString();
    }

private slots:
    void mainWindowButtons()
    {
        kismora::KismoraWindow window(fake.services);
        QCOMPARE(window.windowTitle(), QString("Kismora 2000"));
        checkTips(window, {{kismora::kPersonalInfoId, "Enter Personal Info"},
                           {kismora::kSelectionCriteriaId, "Establish Selection Criteria"},
                           {kismora::kDateBookId, "Date Book Wizard"},
                           {kismora::kMainHelpId, "Help Wizard"}});
        QCOMPARE(buttonText(window, kismora::kPersonalInfoId), QString("&Personal Info"));
        QVERIFY(window.findChild<QPushButton*>(controlName(kismora::kPersonalInfoId))->isDefault());
    }

    void checkEnterPressesFocusedButton()
    {
        kismora::KismoraWindow window(fake.services);
        ::checkEnterPressesFocusedButton(window, window.findChild<QPushButton*>(controlName(kismora::kMainHelpId)),
                                         fake.ui, std::string(texts::kMainHelp) + kismora::kCopyright);
    }

    void profileFormControls()
    {
        kismora::ProfileDialog form(fake.services, kismora::ProfileKind::NewDate);
        QCOMPARE(form.windowTitle(), QString("  New Date - Enter Info For Your New Date"));
        checkTips(form, {{kismora::kSaveId, "Save Info"},
                         {kismora::kNameId, "Enter Full Name"},
                         {kismora::kGenderId, "Select Gender"},
                         {kismora::kHairId, "Select Hair Color"},
                         {kismora::kEyesId, "Select Eye Color"},
                         {kismora::kFeetId, "feet"},
                         {kismora::kInchesId, "inches"},
                         {kismora::kWeightId, "Enter Weight"},
                         {kismora::kRaceId, "Select Race"},
                         {kismora::kReligionId, "Select Religion"},
                         {kismora::kMaritalId, "Select Marital Status"},
                         {kismora::kHaveChildrenId, "Have Children"},
                         {kismora::kWantChildrenId, "Want Children"},
                         {kismora::kSmokingId, "Select Smoking Status"},
                         {kismora::kDrinkingId, "Select Drinking Status"},
                         {kismora::kEducationId, "Select Education Level"},
                         {kismora::kOccupationId, "Enter Occupation"},
                         {kismora::kResidenceId, "Enter City or State"},
                         {kismora::kOutdoorsId, "Interests - Outdoors"},
                         {kismora::kTravelId, "Interests - Travel"},
                         {kismora::kSportsId, "Interests - Sports"},
                         {kismora::kMoviesId, "Interests - Movies"},
                         {kismora::kMusicId, "Interests - Music"},
                         {kismora::kProfileHelpId, "Help Wizard"},
                         {kismora::kPictureId, "View Picture"}});
        QCOMPARE(items(form, kismora::kGenderId), (QStringList{"female", "male"}));
        QCOMPARE(items(form, kismora::kHairId),
                 (QStringList{"bald", "white", "blond", "brunet", "red", "brown", "black"}));
        QCOMPARE(items(form, kismora::kRaceId),
                 (QStringList{"african american", "american indian", "asian", "caucasian", "hispanic", "not important",
                              "other", "pacific islander"}));
        QCOMPARE(items(form, kismora::kHaveChildrenId), (QStringList{"no", "yes"}));
        QCOMPARE(items(form, kismora::kWantChildrenId), (QStringList{"maybe", "no", "yes"}));
        QCOMPARE(items(form, kismora::kDrinkingId),
                 (QStringList{"social", "occasional", "moderate", "every day", "none"}));
        QCOMPARE(items(form, kismora::kMusicId),
                 (QStringList{"very important", "important", "casual", "not important"}));
        for (int id = kismora::kGenderId; id <= kismora::kMusicId; ++id) {
            if (auto* combo = form.findChild<QComboBox*>(QString::number(id))) {
                QVERIFY(!combo->isEditable());
                QCOMPARE(combo->currentIndex(), -1);
            }
        }
        QCOMPARE(form.findChild<QLineEdit*>(controlName(kismora::kNameId))->maxLength(), 125);
        QCOMPARE(form.findChild<QLineEdit*>(controlName(kismora::kOccupationId))->maxLength(), 50);
        QCOMPARE(buttonText(form, kismora::kPictureId), QString("&Picture"));
        QVERIFY(form.findChild<QPushButton*>(controlName(kismora::kSaveId))->isDefault());
    }

    void dateBookListsIndexInOrder()
    {
        const fs::path root = test_support::tempPath("kismora_window_test");
        fs::remove_all(root);
        fs::create_directories(root / "data/Kismora");
        std::ofstream(root / "data/Kismora/index.ini") << "Zoe\nAnn\nZoe\n";
        FakeServices saved;
        saved.paths.root = root.string();
        kismora::DateBookDialog book(saved.services);
        QCOMPARE(book.windowTitle(), QString("  Date Book"));
        checkTips(book, {{kismora::kDateListId, "Dates Currently in Your Date Book"},
                         {kismora::kAnalyzeDateId, "Analyze Selected Date"},
                         {kismora::kNewDateId, "New Date Wizard"},
                         {kismora::kDeleteDateId, "Delete Selected Date"},
                         {kismora::kEditDateId, "Edit Date Info"},
                         {kismora::kBookHelpId, "Help Wizard"}});
        auto* list = book.findChild<QListWidget*>(controlName(kismora::kDateListId));
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        QCOMPARE(shown, (QStringList{"Zoe", "Ann", "Zoe"}));
        QVERIFY(book.book().selected.empty());
        list->setCurrentRow(1);
        QCOMPARE(book.book().selected, std::string("Ann"));
        fs::remove_all(root);
    }

    void enterPressesTheFocusedButtonOfTheDateBook()
    {
        QTemporaryDir root;
        fs::create_directories(fs::path(root.path().toStdString()) / "data/Kismora");
        std::ofstream(fs::path(root.path().toStdString()) / "data/Kismora/index.ini") << "Zoe\n";
        FakeServices saved;
        saved.paths.root = root.path().toStdString();
        kismora::DateBookDialog book(saved.services);
        book.findChild<QListWidget*>(controlName(kismora::kDateListId))->setCurrentRow(0);
        ::checkEnterPressesFocusedButton(book, book.findChild<QPushButton*>(controlName(kismora::kDeleteDateId)),
                                         saved.ui, "Are you sure you want to delete Zoe?    ");
    }

    void analysisAndNoteControls()
    {
        kismora::AnalysisDialog analysis(fake.services, "Cy");
        QCOMPARE(analysis.windowTitle(), QString("  Analyze Date"));
        checkTips(analysis, {{kismora::kMatchNameId, "Match Name"},
                             {kismora::kCriteriaId, "Select Criteria"},
                             {kismora::kAddNoteId, "Add Note"},
                             {kismora::kAnalyzeId, "Analyze Date"},
                             {kismora::kReportId, "Create Report"},
                             {kismora::kTipsId, "View Tips"},
                             {kismora::kAnalysisHelpId, "Help Wizard"}});
        QCOMPARE(items(analysis, kismora::kMatchNameId), (QStringList{"No", "Yes"}));
        QCOMPARE(analysis.findChild<QComboBox*>(controlName(kismora::kMatchNameId))->currentText(), QString("No"));
        QCOMPARE(items(analysis, kismora::kCriteriaId),
                 (QStringList{"physical appearance criteria", "social background criteria", "family potential criteria",
                              "habits and interests criteria"}));
        QCOMPARE(analysis.findChild<QComboBox*>(controlName(kismora::kCriteriaId))->currentIndex(), 0);
        for (const auto& column : kismora::kGridIds)
            for (int id : column)
                QVERIFY(analysis.findChild<QLineEdit*>(QString::number(id))->isReadOnly());
        QVERIFY(analysis.findChild<QLineEdit*>(controlName(kismora::kResultId))->isReadOnly());

        kismora::NoteDialog note(fake.services, "Cy", "Today - Analyzing Cy");
        QCOMPARE(note.windowTitle(), QString(" Today - Analyzing Cy"));
        checkTips(note, {{kismora::kNoteTextId, "Enter Note Here"},
                         {kismora::kNoteSaveId, "Save Note"},
                         {kismora::kNoteDeleteId, "Delete Note"}});
        auto* text = note.findChild<QPlainTextEdit*>(controlName(kismora::kNoteTextId));
        text->setPlainText(QString(900, 'x'));
        QCOMPARE(text->toPlainText().size(), 800);
    }

    void theTipOfTheDayIsKismoras()
    {
        const fs::path root = test_support::tempPath("kismora_window_tips");
        fs::remove_all(root);
        FakeServices tips;
        tips.paths.root = root.string();
        shell::TipDialog dialog(*mystorin_program_kismora().tips, tips.paths, "kismora");
        QCOMPARE(dialog.windowTitle(), QString("Kismora Tip of the Day"));
        QCOMPARE(dialog.tipText(), QString("Tips file does not exist in the prescribed directory"));
        fs::remove_all(root);
    }

    void maximisingMovesTheWindowInstead()
    {
        kismora::KismoraWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(200, 200, 501, 166), "KISMORA_WINDOW_PICTURE");
    }
};

MYSTORIN_WINDOW_TEST(kismora_window, KismoraWindowTest);

}  // namespace kismora_window

#include "kismora_window.moc"
