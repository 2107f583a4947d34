// Duovell's window: every control's id and tooltip, the lists, the edit limits, Enter
// on the Reading button and the maximise rule.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "duovell/window/duovell_window.h"
#include "tests/support/window_checks.h"

namespace {

QStringList itemsOf(QWidget& window, int id)
{
    auto* combo = window.findChild<QComboBox*>(QString::number(id));
    QStringList items;
    for (int i = 0; combo && i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

}  // namespace

class DuovellWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void everyControlHasItsIdAndTooltip()
    {
        duovell::DuovellWindow window(fake.services);
        const std::pair<int, const char*> tips[] = {
            {1005, "enter first name here"},
            {1015, "enter first name here"},
            {1006, "enter last name here"},
            {1016, "enter last name here"},
            {1007, "enter birthday month here"},
            {1017, "enter birthday month here"},
            {1008, "enter birthday day here"},
            {1018, "enter birthday day here"},
            {1009, "enter birthday year here"},
            {1019, "enter birthday year here"},
            {1013, "choose hair color here"},
            {1023, "choose hair color here"},
            {1014, "choose eyes color here"},
            {1024, "choose eyes color here"},
            {1021, "check if male"},
            {1027, "check if male"},
            {1020, "check if single"},
            {1026, "check if single"},
            {1012, "check if has any pets"},
            {1022, "check if has any pets"},
            {1000, "choose month here"},
            {1001, "choose day here"},
            {1002, "choose year here"},
            {1025, "choose any activity here"},
            {1, "prediction for any day"},
            {1028, "reports"},
            {1035, "fortune reading"},
            {1036, "regrets reading"},
            {1033, "loyalty reading"},
            {1034, "trust reading"},
            {1031, "business reading"},
            {1032, "friendship reading"},
            {1029, "love reading"},
            {1030, "fate reading"},
            {1003, "help information"},
            {2, ""},
        };
        for (auto [id, tip] : tips) {
            QWidget* control = window.findChild<QWidget*>(QString::number(id));
            QVERIFY2(control, qPrintable(QString::number(id)));
            QCOMPARE(control->toolTip(), QString(tip));
        }
        QCOMPARE(window.windowTitle(), QString("Duovell 2000"));
        QCOMPARE(window.findChild<QCheckBox*>("1021")->text(), QString("male"));
        QCOMPARE(window.findChild<QPushButton*>("1032")->text(), QString("Friendship"));
    }

    void listsHoldTheirItems()
    {
        duovell::DuovellWindow window(fake.services);
        const QStringList hair{"bald", "black", "blond", "brown", "brunet", "brunette", "red", "white"};
        const QStringList eyes{"blue", "brown", "green", "hazel"};
        QCOMPARE(itemsOf(window, 1013), hair);
        QCOMPARE(itemsOf(window, 1023), hair);
        QCOMPARE(itemsOf(window, 1014), eyes);
        QCOMPARE(itemsOf(window, 1024), eyes);
        const QStringList activities = itemsOf(window, 1025);
        QCOMPARE(activities.size(), 47);
        QCOMPARE(activities.first(), QString("ask on a date"));
        QCOMPARE(activities.at(25), QString("visit inlaws with"));
        QCOMPARE(activities.last(), QString("start an argument with"));
        for (int id : {1013, 1014, 1023, 1024, 1025}) {
            auto* combo = window.findChild<QComboBox*>(QString::number(id));
            QVERIFY(!combo->isEditable());
            QCOMPARE(combo->currentIndex(), -1);
        }
    }

    void editsRefuseTextBeyondTheirLimits()
    {
        duovell::DuovellWindow window(fake.services);
        const std::pair<int, int> limits[] = {{1005, 50}, {1015, 50}, {1006, 75}, {1016, 75}};
        for (auto [id, limit] : limits)
            QCOMPARE(window.findChild<QLineEdit*>(QString::number(id))->maxLength(), limit);
    }

    void enterRunsTheReading()
    {
        duovell::DuovellWindow window(fake.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.findChild<QPushButton*>("1")->isDefault());
        fake.ui.boxes.clear();
        QTest::keyClick(window.findChild<QLineEdit*>("1005"), Qt::Key_Return);
        // The start values have no hair or eyes chosen: the Reading's first refusal.
        QCOMPARE(fake.ui.captions(), std::vector<std::string>{"DUOVELL"});
        QVERIFY(window.isVisible());
    }

    void enterOnAFocusedButtonPressesThatButton()
    {
        duovell::DuovellWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
        // Help, not the default Reading: the help file is missing, so its question comes.
        checkEnterPressesFocusedButton(window, window.findChild<QPushButton*>("1003"), fake.ui,
                                       std::string("Can't find help file (duovell.hlp). Do you want to locate it "
                                                   "yourself?"));
    }

    void maximisingMovesTheWindowInstead()
    {
        duovell::DuovellWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(100, 100, 570, 418), "DUOVELL_WINDOW_PICTURE");
    }
};

MYSTORIN_WINDOW_TEST(duovell_window, DuovellWindowTest);
#include "duovell_window.moc"
