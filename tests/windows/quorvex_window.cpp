// Quorvex's window: ids, tooltips, frames, lists and limits, the portfolio list filled at
// start and again when the user moves to it, Enter on Help, and the maximise rule.
#include <filesystem>
#include <fstream>

#include <QComboBox>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "tests/support/temp_path.h"
#include "quorvex/window/quorvex_window.h"
#include "shell/gui/program.h"
#include "shell/gui/tip_dialog.h"
#include "tests/support/window_checks.h"

namespace fs = std::filesystem;

const shell::Program& mystorin_program_quorvex();

class QuorvexWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

    static QStringList entries(QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

private slots:
    void everyControlHasItsIdAndTooltip()
    {
        quorvex::QuorvexWindow window(fake.services);
        const std::pair<int, const char*> tips[] = {
            {1005, "enter security name - required field"},
            {1008, "enter price per share - required field"},
            {1009, "enter number of shares - required field"},
            {1010, "enter investor's full name - required field"},
            {1013, "enter birth month - required field"},
            {1014, "enter birth day - required field"},
            {1015, "enter birth year - required field"},
            {1016, "enter broker's name or broker's firm name - optional field"},
            {1018, "select month - required field"},
            {1019, "select day - required field"},
            {1020, "select year - required field"},
            {1006, "select security type - required field"},
            {1007, "select stock exchange - optional field"},
            {1011, "select status - required field"},
            {1012, "select account type - optional field"},
            {1017, "select desired action - required field"},
            {1021, "items currently in your personal portfolio"},
        };
        for (auto [id, tip] : tips) {
            QWidget* control = window.findChild<QWidget*>(QString::number(id));
            QVERIFY2(control, qPrintable(QString::number(id)));
            QCOMPARE(control->toolTip(), QString(tip));
        }
        const std::pair<const char*, const char*> buttons[] = {
            {"&Add", "add to your personal portfolio"},
            {"&Delete", "delete from your personal portfolio"},
            {"&Save", "save your personal portfolio"},
            {"&Odds", "calculate odds"},
            {"&Help", "help information"},
            {"&Clear", "clear all fields"},
        };
        for (auto [caption, tip] : buttons) {
            QPushButton* button = buttonCaptioned(window, caption);
            QVERIFY2(button, caption);
            QCOMPARE(button->toolTip(), QString(tip));
        }
        QVERIFY(buttonCaptioned(window, "&Help")->isDefault());
        QCOMPARE(window.windowTitle(), QString("Quorvex 2000"));
        QStringList frames;
        for (QGroupBox* group : window.findChildren<QGroupBox*>())
            frames << group->title();
        frames.sort();
        QCOMPARE(frames, (QStringList{"Account Type", "Birthday  M - D - Y", "Broker", "Current Price Per Share",
                                      "Desired Action", "Investor's Name", "Number of Shares", "Personal Information",
                                      "Personal Portfolio", "Security Name", "Security Type", "Select Date  M - D - Y",
                                      "Stock Exchange"}));
        for (int id : {1005, 1010, 1016})
            QCOMPARE(window.findChild<QLineEdit*>(QString::number(id))->maxLength(), 80);
    }

    void theListsOfferTheirChoicesAndNoneIsChosen()
    {
        quorvex::QuorvexWindow window(fake.services);
        const std::pair<int, QStringList> lists[] = {
            {1006, {"Bond", "Stock", "Mutual Fund"}},
            {1007, {"New York", "American", "Nasdaq", "Foreign"}},
            {1011, {"Single", "Married", "Divorced", "Widowed"}},
            {1012, {"Regular", "Retirement", "Trust"}},
            {1017, {"Buy", "Sell"}},
        };
        for (const auto& [id, items] : lists) {
            auto* combo = window.findChild<QComboBox*>(QString::number(id));
            QVERIFY(!combo->isEditable());
            QCOMPARE(combo->currentIndex(), -1);
            QStringList shown;
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            QCOMPARE(shown, items);
        }
    }

    void thePortfolioListIsFilledAtStartAndAgainWhenTheUserMovesToIt()
    {
        const fs::path root = test_support::tempPath("quorvex_window_test");
        fs::remove_all(root);
        fs::create_directories(root / "data/Portfolio");
        std::ofstream(root / "data/Portfolio/Portfolio.ini") << "Zeta\nApple\n";
        FakeServices saved;
        saved.paths.root = root.string();
        quorvex::QuorvexWindow window(saved.services);
        auto* list = window.findChild<QListWidget*>("1021");
        QCOMPARE(entries(list), (QStringList{"Zeta", "Apple"}));  // unsorted, in the order added

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        std::ofstream(root / "data/Portfolio/Portfolio.ini") << "Fresh\n";
        window.findChild<QLineEdit*>("1005")->setFocus();
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(entries(list), (QStringList{"Fresh"}));
        QVERIFY(saved.ui.boxes.empty());  // moving to the list opens nothing
        fs::remove_all(root);
    }

    void enterRunsHelp()
    {
        quorvex::QuorvexWindow window(fake.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        fake.ui.boxes.clear();
        QTest::keyClick(window.findChild<QLineEdit*>("1009"), Qt::Key_Return);
        QCOMPARE(fake.ui.boxes.size(), std::size_t(1));
        QCOMPARE(fake.ui.boxes[0].caption, std::string("QUORVEX"));
        QVERIFY(fake.ui.boxes[0].text.starts_with("Enter the security"));
        QVERIFY(window.isVisible());
    }

    void everyFieldHasItsControl()
    {
        quorvex::QuorvexWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
    }

    void checkEnterPressesFocusedButton()
    {
        quorvex::QuorvexWindow window(fake.services);
        ::checkEnterPressesFocusedButton(window, buttonCaptioned(window, "&Odds"), fake.ui,
                                         "Please enter name of the security.   ");
    }

    void theTipOfTheDayAsksDidYouKnowThat()
    {
        const fs::path root = test_support::tempPath("quorvex_window_tips");
        fs::remove_all(root);
        FakeServices tips;
        tips.paths.root = root.string();
        shell::TipDialog dialog(*mystorin_program_quorvex().tips, tips.paths, "quorvex");
        QCOMPARE(dialog.windowTitle(), QString("Quorvex Tip of the Day"));
        QStringList labels;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        QVERIFY(labels.contains("Did you know that..."));
        QCOMPARE(dialog.tipText(), QString("Tips file does not exist in the default directory"));
        fs::remove_all(root);
    }

    void maximisingMovesTheWindowInstead()
    {
        quorvex::QuorvexWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(100, 100, 519, 386), "QUORVEX_WINDOW_PICTURE");
    }
};

MYSTORIN_WINDOW_TEST(quorvex_window, QuorvexWindowTest);
#include "quorvex_window.moc"
