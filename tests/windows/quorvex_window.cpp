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

const shell::Program& mystorin_program_quorvex();

namespace quorvex_window {

namespace fs = std::filesystem;

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
            {quorvex::kSecurityId, "enter security name - required field"},
            {quorvex::kPriceId, "enter price per share - required field"},
            {quorvex::kSharesId, "enter number of shares - required field"},
            {quorvex::kInvestorId, "enter investor's full name - required field"},
            {quorvex::kBirthMonthId, "enter birth month - required field"},
            {quorvex::kBirthDayId, "enter birth day - required field"},
            {quorvex::kBirthYearId, "enter birth year - required field"},
            {quorvex::kBrokerId, "enter broker's name or broker's firm name - optional field"},
            {quorvex::kSelectedMonthId, "select month - required field"},
            {quorvex::kSelectedDayId, "select day - required field"},
            {quorvex::kSelectedYearId, "select year - required field"},
            {quorvex::kTypeId, "select security type - required field"},
            {quorvex::kExchangeId, "select stock exchange - optional field"},
            {quorvex::kStatusId, "select status - required field"},
            {quorvex::kAccountId, "select account type - optional field"},
            {quorvex::kActionId, "select desired action - required field"},
            {quorvex::kListId, "items currently in your personal portfolio"},
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
        for (int id : {quorvex::kSecurityId, quorvex::kInvestorId, quorvex::kBrokerId})
            QCOMPARE(window.findChild<QLineEdit*>(QString::number(id))->maxLength(), 80);
    }

    void theListsOfferTheirChoicesAndNoneIsChosen()
    {
        quorvex::QuorvexWindow window(fake.services);
        const std::pair<int, QStringList> lists[] = {
            {quorvex::kTypeId, {"Bond", "Stock", "Mutual Fund"}},
            {quorvex::kExchangeId, {"New York", "American", "Nasdaq", "Foreign"}},
            {quorvex::kStatusId, {"Single", "Married", "Divorced", "Widowed"}},
            {quorvex::kAccountId, {"Regular", "Retirement", "Trust"}},
            {quorvex::kActionId, {"Buy", "Sell"}},
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
        auto* list = window.findChild<QListWidget*>(controlName(quorvex::kListId));
        QCOMPARE(entries(list), (QStringList{"Zeta", "Apple"}));  // unsorted, in the order added

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        std::ofstream(root / "data/Portfolio/Portfolio.ini") << "Fresh\n";
        window.findChild<QLineEdit*>(controlName(quorvex::kSecurityId))->setFocus();
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
        QTest::keyClick(window.findChild<QLineEdit*>(controlName(quorvex::kSharesId)), Qt::Key_Return);
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

}  // namespace quorvex_window

#include "quorvex_window.moc"
