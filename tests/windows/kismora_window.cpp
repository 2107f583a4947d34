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

namespace fs = std::filesystem;

namespace texts {
#include "resources/kismora/help_texts.inc"
}

const shell::Program& mystorin_program_kismora();

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
        checkTips(window, {{1, "Enter Personal Info"},
                           {1003, "Establish Selection Criteria"},
                           {1005, "Date Book Wizard"},
                           {kismora::kMainHelpId, "Help Wizard"}});
        QCOMPARE(buttonText(window, 1), QString("&Personal Info"));
        QVERIFY(window.findChild<QPushButton*>("1")->isDefault());
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
        checkTips(form, {{1, "Save Info"},
                         {1000, "Enter Full Name"},
                         {1015, "Select Gender"},
                         {1016, "Select Hair Color"},
                         {kismora::kEyesId, "Select Eye Color"},
                         {1014, "feet"},
                         {1035, "inches"},
                         {1018, "Enter Weight"},
                         {kismora::kRaceId, "Select Race"},
                         {kismora::kReligionId, "Select Religion"},
                         {kismora::kMaritalId, "Select Marital Status"},
                         {kismora::kHaveChildrenId, "Have Children"},
                         {kismora::kWantChildrenId, "Want Children"},
                         {kismora::kSmokingId, "Select Smoking Status"},
                         {kismora::kDrinkingId, "Select Drinking Status"},
                         {kismora::kEducationId, "Select Education Level"},
                         {1009, "Enter Occupation"},
                         {1010, "Enter City or State"},
                         {kismora::kOutdoorsId, "Interests - Outdoors"},
                         {kismora::kTravelId, "Interests - Travel"},
                         {kismora::kSportsId, "Interests - Sports"},
                         {kismora::kMoviesId, "Interests - Movies"},
                         {kismora::kMusicId, "Interests - Music"},
                         {1003, "Help Wizard"},
                         {1004, "View Picture"}});
        QCOMPARE(items(form, 1015), (QStringList{"female", "male"}));
        QCOMPARE(items(form, 1016), (QStringList{"bald", "white", "blond", "brunet", "red", "brown", "black"}));
        QCOMPARE(items(form, kismora::kRaceId),
                 (QStringList{"african american", "american indian", "asian", "caucasian", "hispanic", "not important",
                              "other", "pacific islander"}));
        QCOMPARE(items(form, kismora::kHaveChildrenId), (QStringList{"no", "yes"}));
        QCOMPARE(items(form, kismora::kWantChildrenId), (QStringList{"maybe", "no", "yes"}));
        QCOMPARE(items(form, kismora::kDrinkingId),
                 (QStringList{"social", "occasional", "moderate", "every day", "none"}));
        QCOMPARE(items(form, kismora::kMusicId),
                 (QStringList{"very important", "important", "casual", "not important"}));
        for (int id = 1015; id <= 1031; ++id) {
            if (auto* combo = form.findChild<QComboBox*>(QString::number(id))) {
                QVERIFY(!combo->isEditable());
                QCOMPARE(combo->currentIndex(), -1);
            }
        }
        QCOMPARE(form.findChild<QLineEdit*>("1000")->maxLength(), 125);
        QCOMPARE(form.findChild<QLineEdit*>("1009")->maxLength(), 50);
        QCOMPARE(buttonText(form, 1004), QString("&Picture"));
        QVERIFY(form.findChild<QPushButton*>("1")->isDefault());
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
        checkTips(book, {{1033, "Dates Currently in Your Date Book"},
                         {1, "Analyze Selected Date"},
                         {1004, "New Date Wizard"},
                         {1005, "Delete Selected Date"},
                         {kismora::kEditDateId, "Edit Date Info"},
                         {1003, "Help Wizard"}});
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
        ::checkEnterPressesFocusedButton(book, book.findChild<QPushButton*>("1005"), saved.ui,
                                         "Are you sure you want to delete Zoe?    ");
    }

    void analysisAndNoteControls()
    {
        kismora::AnalysisDialog analysis(fake.services, "Cy");
        QCOMPARE(analysis.windowTitle(), QString("  Analyze Date"));
        checkTips(analysis, {{1016, "Match Name"},
                             {1015, "Select Criteria"},
                             {kismora::kAddNoteId, "Add Note"},
                             {1, "Analyze Date"},
                             {1003, "Create Report"},
                             {1004, "View Tips"},
                             {1005, "Help Wizard"}});
        QCOMPARE(items(analysis, 1016), (QStringList{"No", "Yes"}));
        QCOMPARE(analysis.findChild<QComboBox*>("1016")->currentText(), QString("No"));
        QCOMPARE(items(analysis, 1015), (QStringList{"physical appearance criteria", "social background criteria",
                                                     "family potential criteria", "habits and interests criteria"}));
        QCOMPARE(analysis.findChild<QComboBox*>("1015")->currentIndex(), 0);
        for (const auto& column : kismora::kGridIds)
            for (int id : column)
                QVERIFY(analysis.findChild<QLineEdit*>(QString::number(id))->isReadOnly());
        QVERIFY(analysis.findChild<QLineEdit*>(controlName(kismora::kResultId))->isReadOnly());

        kismora::NoteDialog note(fake.services, "Cy", "Today - Analyzing Cy");
        QCOMPARE(note.windowTitle(), QString(" Today - Analyzing Cy"));
        checkTips(note, {{1000, "Enter Note Here"}, {1, "Save Note"}, {1003, "Delete Note"}});
        auto* text = note.findChild<QPlainTextEdit*>("1000");
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
#include "kismora_window.moc"
