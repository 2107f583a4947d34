// Lexivar's window: every control's id and tooltip, the groups, the clue list, the edit
// limits, the toggles, Enter on DECODE and on a focused button, and the maximise rule.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "lexivar/window/lexivar_window.h"
#include "shell/gui/limited_text_edit.h"
#include "tests/support/window_checks.h"

namespace lexivar_window {

class LexivarWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void everyControlHasItsIdAndTooltip()
    {
        lexivar::LexivarWindow window(fake.services);
        const std::pair<int, const char*> tips[] = {
            {lexivar::kBirthMonthId, "enter birth month here"},
            {lexivar::kBirthDayId, "enter birth day here"},
            {lexivar::kBirthYearId, "enter birth year here"},
            {lexivar::kSelectedMonthId, "select month here"},
            {lexivar::kSelectedDayId, "select day here"},
            {lexivar::kSelectedYearId, "select year here"},
            {lexivar::kRecipientFirstId, "enter first name here"},
            {lexivar::kSenderFirstId, "enter first name here"},
            {lexivar::kRecipientLastId, "enter last name here"},
            {lexivar::kSenderLastId, "enter last name here"},
            {lexivar::kMessageId, "enter message here"},
            {lexivar::kClueId, "select a clue here"},
            {lexivar::kLetterId, "select if letter"},
            {lexivar::kPersonalId, "select if personal"},
            {lexivar::kBusinessId, "select if business"},
            {lexivar::kFriendId, "select if from a friend"},
            {lexivar::kFoeId, "select if from a foe"},
            {lexivar::kCoworkerId, "select if from a coworker"},
        };
        for (auto [id, tip] : tips) {
            QWidget* control = window.findChild<QWidget*>(QString::number(id));
            QVERIFY2(control, qPrintable(QString::number(id)));
            QCOMPARE(control->toolTip(), QString(tip));
        }
        const std::pair<const char*, const char*> buttons[] = {
            {"&DECODE", "decode message"}, {"&HELP", "help"}, {"&PASTE", "paste message"},
            {"&COPY", "copy message"},     {"&EXIT", ""},
        };
        for (auto [caption, tip] : buttons) {
            QPushButton* found = nullptr;
            for (QPushButton* button : window.findChildren<QPushButton*>())
                if (button->text() == caption)
                    found = button;
            QVERIFY2(found, caption);
            QCOMPARE(found->toolTip(), QString(tip));
        }
        QStringList groups;
        for (QGroupBox* group : window.findChildren<QGroupBox*>())
            groups << group->title();
        groups.sort();
        QCOMPARE(groups, (QStringList{"  Message", "  Message From", "  Personal Info", "Message Info"}));
        QCOMPARE(window.windowTitle(), QString("Lexivar 2000"));
    }

    void theClueListHoldsTwentyCluesAndNoneIsChosen()
    {
        lexivar::LexivarWindow window(fake.services);
        auto* combo = window.findChild<QComboBox*>(controlName(lexivar::kClueId));
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->count(), 20);
        QCOMPARE(combo->itemText(0), QString("message from a man"));
        QCOMPARE(combo->itemText(3), QString("message from mother"));
        QCOMPARE(combo->itemText(8), QString("message from a relative"));
        QCOMPARE(combo->itemText(17), QString("message from a subordinate"));
        QCOMPARE(combo->itemText(19), QString("message of unknown origin"));
    }

    void editsRefuseTextBeyondTheirLimits()
    {
        lexivar::LexivarWindow window(fake.services);
        const std::pair<int, int> limits[] = {{lexivar::kRecipientFirstId, 50},
                                              {lexivar::kSenderFirstId, 50},
                                              {lexivar::kRecipientLastId, 80},
                                              {lexivar::kSenderLastId, 80}};
        for (auto [id, limit] : limits)
            QCOMPARE(window.findChild<QLineEdit*>(QString::number(id))->maxLength(), limit);
        QCOMPARE(window.findChild<shell::LimitedTextEdit*>(controlName(lexivar::kMessageId))->maxLength(), 50000);
        auto* bar = window.findChild<QProgressBar*>(controlName(lexivar::kProgressId));
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 0);
    }

    void aClickFlipsAToggle()
    {
        lexivar::LexivarWindow window(fake.services);
        auto* foe = window.findChild<QPushButton*>(controlName(lexivar::kFoeId));
        QVERIFY(foe->isCheckable());
        foe->click();
        QVERIFY(window.core().data.flags[lexivar::Foe]);
        foe->click();
        QVERIFY(!window.core().data.flags[lexivar::Foe]);
    }

    void enterRunsDecode()
    {
        lexivar::LexivarWindow window(fake.services);
        checkEnterInEditShows(window, controlName(lexivar::kRecipientFirstId), fake.ui,
                              std::string("No message to decode! Please enter a message first!    "));
    }

    void enterOnAFocusedButtonPressesIt()
    {
        lexivar::LexivarWindow window(fake.services);
        checkEnterPressesFocusedButton(window, buttonCaptioned(window, "&HELP"), fake.ui,
                                       "Can't find help file (lexivar.hlp). Do you want to locate it yourself?");
    }

    void everyFieldHasItsControl()
    {
        lexivar::LexivarWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
    }

    void maximisingMovesTheWindowInstead()
    {
        lexivar::LexivarWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(100, 100, 525, 465), "LEXIVAR_WINDOW_PICTURE");
    }
};

MYSTORIN_WINDOW_TEST(lexivar_window, LexivarWindowTest);

}  // namespace lexivar_window

#include "lexivar_window.moc"
