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

namespace duovell_window {

QStringList itemsOf(QWidget& window, int id)
{
    auto* combo = window.findChild<QComboBox*>(QString::number(id));
    QStringList items;
    for (int i = 0; combo && i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

class DuovellWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void everyControlHasItsIdAndTooltip()
    {
        duovell::DuovellWindow window(fake.services);
        const std::pair<int, const char*> tips[] = {
            {duovell::kFirstName1Id, "enter first name here"},
            {duovell::kFirstName2Id, "enter first name here"},
            {duovell::kLastName1Id, "enter last name here"},
            {duovell::kLastName2Id, "enter last name here"},
            {duovell::kBirthMonth1Id, "enter birthday month here"},
            {duovell::kBirthMonth2Id, "enter birthday month here"},
            {duovell::kBirthDay1Id, "enter birthday day here"},
            {duovell::kBirthDay2Id, "enter birthday day here"},
            {duovell::kBirthYear1Id, "enter birthday year here"},
            {duovell::kBirthYear2Id, "enter birthday year here"},
            {duovell::kHair1Id, "choose hair color here"},
            {duovell::kHair2Id, "choose hair color here"},
            {duovell::kEyes1Id, "choose eyes color here"},
            {duovell::kEyes2Id, "choose eyes color here"},
            {duovell::kMale1Id, "check if male"},
            {duovell::kMale2Id, "check if male"},
            {duovell::kSingle1Id, "check if single"},
            {duovell::kSingle2Id, "check if single"},
            {duovell::kPets1Id, "check if has any pets"},
            {duovell::kPets2Id, "check if has any pets"},
            {duovell::kSelectedMonthId, "choose month here"},
            {duovell::kSelectedDayId, "choose day here"},
            {duovell::kSelectedYearId, "choose year here"},
            {duovell::kActivityId, "choose any activity here"},
            {duovell::kReadingId, "prediction for any day"},
            {duovell::kReportId, "reports"},
            {duovell::kFortuneId, "fortune reading"},
            {duovell::kRegretsId, "regrets reading"},
            {duovell::kLoyaltyId, "loyalty reading"},
            {duovell::kTrustId, "trust reading"},
            {duovell::kBusinessId, "business reading"},
            {duovell::kFriendshipId, "friendship reading"},
            {duovell::kLoveId, "love reading"},
            {duovell::kFateId, "fate reading"},
            {duovell::kHelpId, "help information"},
            {duovell::kExitId, ""},
        };
        for (auto [id, tip] : tips) {
            QWidget* control = window.findChild<QWidget*>(QString::number(id));
            QVERIFY2(control, qPrintable(QString::number(id)));
            QCOMPARE(control->toolTip(), QString(tip));
        }
        QCOMPARE(window.windowTitle(), QString("Duovell 2000"));
        QCOMPARE(window.findChild<QCheckBox*>(controlName(duovell::kMale1Id))->text(), QString("male"));
        QCOMPARE(window.findChild<QPushButton*>(controlName(duovell::kFriendshipId))->text(), QString("Friendship"));
    }

    void listsHoldTheirItems()
    {
        duovell::DuovellWindow window(fake.services);
        const QStringList hair{"bald", "black", "blond", "brown", "brunet", "brunette", "red", "white"};
        const QStringList eyes{"blue", "brown", "green", "hazel"};
        QCOMPARE(itemsOf(window, duovell::kHair1Id), hair);
        QCOMPARE(itemsOf(window, duovell::kHair2Id), hair);
        QCOMPARE(itemsOf(window, duovell::kEyes1Id), eyes);
        QCOMPARE(itemsOf(window, duovell::kEyes2Id), eyes);
        const QStringList activities = itemsOf(window, duovell::kActivityId);
        QCOMPARE(activities.size(), 47);
        QCOMPARE(activities.first(), QString("ask on a date"));
        QCOMPARE(activities.at(25), QString("visit inlaws with"));
        QCOMPARE(activities.last(), QString("start an argument with"));
        for (int id :
             {duovell::kHair1Id, duovell::kEyes1Id, duovell::kHair2Id, duovell::kEyes2Id, duovell::kActivityId}) {
            auto* combo = window.findChild<QComboBox*>(QString::number(id));
            QVERIFY(!combo->isEditable());
            QCOMPARE(combo->currentIndex(), -1);
        }
    }

    void editsRefuseTextBeyondTheirLimits()
    {
        duovell::DuovellWindow window(fake.services);
        const std::pair<int, int> limits[] = {{duovell::kFirstName1Id, 50},
                                              {duovell::kFirstName2Id, 50},
                                              {duovell::kLastName1Id, 75},
                                              {duovell::kLastName2Id, 75}};
        for (auto [id, limit] : limits)
            QCOMPARE(window.findChild<QLineEdit*>(QString::number(id))->maxLength(), limit);
    }

    void enterRunsTheReading()
    {
        duovell::DuovellWindow window(fake.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.findChild<QPushButton*>(controlName(duovell::kReadingId))->isDefault());
        fake.ui.boxes.clear();
        QTest::keyClick(window.findChild<QLineEdit*>(controlName(duovell::kFirstName1Id)), Qt::Key_Return);
        // The start values have no hair or eyes chosen: the Reading's first refusal.
        QCOMPARE(fake.ui.captions(), std::vector<std::string>{"DUOVELL"});
        QVERIFY(window.isVisible());
    }

    void enterOnAFocusedButtonPressesThatButton()
    {
        duovell::DuovellWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
        // Help, not the default Reading: the help file is missing, so its question comes.
        checkEnterPressesFocusedButton(window, window.findChild<QPushButton*>(controlName(duovell::kHelpId)), fake.ui,
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

}  // namespace duovell_window

#include "duovell_window.moc"
