// Ballora's window: ids, tooltips, groups and labels, the max number list, limits, the
// read-only number boxes, Enter on Calculate and on a focused button, and the maximise rule.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "ballora/window/ballora_window.h"
#include "tests/support/window_checks.h"

namespace ballora_window {

class BalloraWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void everyControlHasItsTooltipAndLabel()
    {
        ballora::BalloraWindow window(fake.services);
        const struct {
            int id;
            const char* group;
            const char* label;
            const char* tip;
        } controls[] = {
            {ballora::kBirthMonthId, " Birthday Info", "M", "enter birth month"},
            {ballora::kBirthDayId, " Birthday Info", "D", "enter birth date"},
            {ballora::kBirthYearId, " Birthday Info", "Y", "enter birth year"},
            {ballora::kFirstNameId, "   Personal Info", "F", "enter first name"},
            {ballora::kMiddleNameId, "   Personal Info", "M", "enter middle name"},
            {ballora::kLastNameId, "   Personal Info", "L", "enter last name"},
            {ballora::kSelectedMonthId, " Select Date", "M", "select month"},
            {ballora::kSelectedDayId, " Select Date", "D", "select date"},
            {ballora::kSelectedYearId, " Select Date", "Y", "select year"},
        };
        for (const auto& c : controls) {
            QWidget* control = window.findChild<QWidget*>(QString::number(c.id));
            QVERIFY2(control, qPrintable(QString::number(c.id)));
            QCOMPARE(control->toolTip(), QString(c.tip));
            auto* group = qobject_cast<QGroupBox*>(control->parentWidget());
            QVERIFY(group);
            QCOMPARE(group->title(), QString(c.group));
            bool labelled = false;
            for (QLabel* label : group->findChildren<QLabel*>())
                labelled |= label->buddy() == control && label->text() == c.label;
            QVERIFY2(labelled, c.tip);
        }
        const std::pair<const char*, const char*> buttons[] = {{"&Calculate", "calculate lottery numbers"},
                                                               {"&Report", "create lottery report"},
                                                               {"&Help", "help"},
                                                               {"&Exit", ""}};
        for (auto [caption, tip] : buttons) {
            QPushButton* button = buttonCaptioned(window, caption);
            QVERIFY2(button, caption);
            QCOMPARE(button->toolTip(), QString(tip));
        }
        QVERIFY(buttonCaptioned(window, "&Calculate")->isDefault());
        QCOMPARE(window.windowTitle(), QString("Ballora 2000"));
    }

    void maxNumberListAndLimits()
    {
        ballora::BalloraWindow window(fake.services);
        auto* max = window.findChild<QComboBox*>(controlName(ballora::kMaxNumberId));
        QVERIFY(max);
        QVERIFY(!max->isEditable());
        QCOMPARE(max->toolTip(), QString("select max lottery number"));
        QStringList items;
        for (int i = 0; i < max->count(); ++i)
            items << max->itemText(i);
        QCOMPARE(items, (QStringList{"50", "40", "30", "20", "10"}));
        QCOMPARE(max->currentText(), QString("50"));
        const std::pair<int, int> limits[] = {
            {ballora::kFirstNameId, 50}, {ballora::kMiddleNameId, 50}, {ballora::kLastNameId, 100}};
        for (auto [id, limit] : limits)
            QCOMPARE(window.findChild<QLineEdit*>(QString::number(id))->maxLength(), limit);
        for (int id = ballora::kFirstNumberId; id < ballora::kFirstNumberId + 6; ++id) {
            auto* number = window.findChild<QLineEdit*>(QString::number(id));
            QVERIFY(number);
            QVERIFY(number->isReadOnly());
            QCOMPARE(number->text(), QString("1"));
            QCOMPARE(number->toolTip(), QString("lottery number"));
        }
    }

    void enterCalculates()
    {
        ballora::BalloraWindow window(fake.services);
        checkEnterInEditShows(window, controlName(ballora::kLastNameId), fake.ui,
                              std::string("Please enter first name!    "));
    }

    void enterOnAFocusedHelpShowsTheHelpBox()
    {
        ballora::BalloraWindow window(fake.services);
        checkEnterPressesFocusedButton(window, buttonCaptioned(window, "&Help"), fake.ui, ballora::HelpText());
    }

    void everyFieldHasItsControl()
    {
        ballora::BalloraWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
    }

    void maximisingMovesTheWindowInstead()
    {
        ballora::BalloraWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(100, 100, 348, 330), "BALLORA_WINDOW_PICTURE");
    }
};

MYSTORIN_WINDOW_TEST(ballora_window, BalloraWindowTest);

}  // namespace ballora_window

#include "ballora_window.moc"
