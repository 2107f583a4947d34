// What needs a real Zendary window: controls with their tooltips, groups on screen,
// the field table against the controls, Enter, the maximise rule and the About box.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "shell/gui/data_exchange.h"
#include "tests/support/window_checks.h"
#include "zendary/window/zendary_window.h"

namespace zendary_window {

class ZendaryWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;
    QTemporaryDir root;

private slots:
    void initTestCase()
    {
        QVERIFY(root.isValid());
        fake.paths.root = root.path().toStdString();
    }

    void everyControlHasItsTooltip()
    {
        zendary::ZendaryWindow window(fake.services);
        const std::pair<int, const char*> tips[] = {
            {zendary::kOwnMonthId, "your month of birth"},
            {zendary::kMotherYearId, "mother's year of birth"},
            {zendary::kFatherYearId, "father's year of birth"},
            {zendary::kSelectedYearId, "selected year"},
            {zendary::kYourSoulNumbersId, "your soul numbers"},
            {8, "spirit power"},
            {zendary::kLoveId, "love reading"},
            {zendary::kGemsId, "symbols and gems reading"},
            {1, "prediction for any day"},
            {zendary::kBloodTypeId, "blood type reading"},
            {zendary::kAquariusId, "aquarius"},
            {zendary::kVirgoId, "virgo"},
            {zendary::kBcId, "BC years"},
            {zendary::kPastLifeReadingId, "past life reading"},
            {zendary::kPastAgeId, "enter a past life age here"},
            {zendary::kOccupationId, "select a past life occupation here"},
            {zendary::kClueId, "select a past life clue here"},
            {zendary::kSuperstitionId, "select a superstition here"},
            {zendary::kDreamId, "enter a dream here"},
            {zendary::kPetNameId, "enter pet's name here"},
            {zendary::kSpellNameId, "enter first name here"},
            {zendary::kFirstNameId, "enter first and last name"},
            {zendary::kFirstMonthId, "month of birth"},
            {zendary::kSecondDayId, "date of birth"},
            {zendary::kSoulmateCheckId, "soulmate - friends"},
            {zendary::kPalmId, "palm reading"},
            {zendary::kSoulmateReportId, "soulmate - friends report"},
            {zendary::kDeathReadingId, "death reading"},
            {9, "help"},
            {zendary::kNumberId, "select number here"},
            {zendary::kShapeId, "select shape here"},
            {zendary::kIntuitionId, "check mental power"},
            {zendary::kTeam2Id, "enter second team here"},
            {zendary::kSportsId, "sports numerology"},
            {zendary::kMessageId, "enter any message here"},
            {zendary::kDecodeId, "find hidden messages"},
        };
        for (auto [id, tip] : tips) {
            QWidget* widget = shell::control(window, id);
            QVERIFY2(widget, qPrintable(QString::number(id)));
            QCOMPARE(widget->toolTip(), QString(tip));
        }
        // 61 buttons and radios: 9 + 12 + 12 + 3 in the past lives group + 5 + 2 + 4 + 6 + 1 + 3 + ... .
        int ids = 0;
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
            ids += !button->objectName().isEmpty();
        QCOMPARE(ids, 9 + 12 + 12 + 3 + 5 + 2 + 4 + 6 + 1 + 3);
        auto* help = qobject_cast<QPushButton*>(shell::control(window, 9));
        QVERIFY(help->isDefault());
        QCOMPARE(qobject_cast<QComboBox*>(shell::control(window, zendary::kColorId))->count(), 7);
        QCOMPARE(qobject_cast<QComboBox*>(shell::control(window, zendary::kColorId))->currentIndex(), -1);
    }

    void groupsAreShownInASensibleSize()
    {
        zendary::ZendaryWindow window(fake.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("Zendary 2000"));
        const QStringList titles = {"Past Lives Interpretations",
                                    "Dreams, Names, Spells...",
                                    "Find your soulmate or check your friends",
                                    "Reports",
                                    "Check your mental powers",
                                    "Sports! Check your favorite team's chances",
                                    "Discover secrets hidden in any text message"};
        for (const QString& title : titles) {
            QGroupBox* found = nullptr;
            for (QGroupBox* box : window.findChildren<QGroupBox*>())
                if (box->title() == title)
                    found = box;
            QVERIFY2(found && found->isVisible(), qPrintable(title));
            QVERIFY(window.rect().contains(found->geometry()));
        }
        QVERIFY2(window.width() <= 760 && window.height() <= 640,
                 qPrintable(QString("%1 x %2").arg(window.width()).arg(window.height())));
    }

    void maximisingMovesToAFixedPlace()
    {
        zendary::ZendaryWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(100, 100, 523, 501), "ZENDARY_WINDOW_PICTURE");
    }

    void textsLongerThanTheirLimitsCannotBeTyped()
    {
        zendary::ZendaryWindow window(fake.services);
        auto* dream = qobject_cast<QLineEdit*>(shell::control(window, zendary::kDreamId));
        QTest::keyClicks(dream, QString(60, 'x'));
        QCOMPARE(dream->text().size(), 50);
        auto* message = qobject_cast<QPlainTextEdit*>(shell::control(window, zendary::kMessageId));
        message->setPlainText(QString(50010, 'm'));
        QCOMPARE(message->toPlainText().size(), 50000);
        // A year field refuses nothing while typing but the reading's transfer prompts.
        qobject_cast<QLineEdit*>(shell::control(window, zendary::kOwnYearId))->setText("19x0");
        fake.ui.boxes.clear();
        window.readFields();
        QCOMPARE(fake.ui.boxes.size(), size_t(1));
        QCOMPARE(fake.ui.boxes[0].text, std::string("Please enter an integer between 1800 and 2099."));
        QCOMPARE(window.core().data.own.year, 1900);
        QCOMPARE(window.core().data.dream, std::string());  // fields after the bad one keep their values
    }

    void enterPressesTheFocusedButtonElseHelp()
    {
        zendary::ZendaryWindow window(fake.services);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        qobject_cast<QLineEdit*>(shell::control(window, zendary::kOwnYearId))->setText("1920");
        fake.ui.boxes.clear();
        fake.ui.answers = {shell::Answer::Yes};
        QWidget* stars = shell::control(window, 1);
        stars->setFocus();
        QTest::keyClick(stars, Qt::Key_Return);
        QCOMPARE(fake.ui.captions(), (std::vector<std::string>{"STARS READING", "STARS READING"}));
        QWidget* month = shell::control(window, zendary::kOwnMonthId);
        month->setFocus();
        QTest::keyClick(month, Qt::Key_Return);
        // No help file in the test's folder: the help routine asks where it is.
        QCOMPARE(fake.ui.boxes.size(), size_t(4));
        QCOMPARE(fake.ui.boxes[2].caption, std::string("ZENDARY HELP"));
    }

    void everyFieldHasItsControl()
    {
        zendary::ZendaryWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
        QCOMPARE(window.fields().size(), size_t(35));
    }

    void enterPressesTheFocusedReadingButton()
    {
        // DRS with an empty dream box: its first box asks for the dream.
        zendary::ZendaryWindow window(fake.services);
        checkEnterPressesFocusedButton(window,
                                       qobject_cast<QPushButton*>(shell::control(window, zendary::kDreamReadingId)),
                                       fake.ui, "Please enter what you dreamed of!");
    }

    void aboutShowsTheCopyright()
    {
        zendary::ZendaryWindow window(fake.services);
        fake.ui.boxes.clear();
        window.showAbout();
        QCOMPARE(fake.ui.boxes.size(), size_t(1));
        QCOMPARE(fake.ui.boxes[0].caption, std::string("COPYRIGHT"));
        QCOMPARE(fake.ui.boxes[0].text.substr(0, 13), std::string("Zendary 2000\n"));
    }
};

MYSTORIN_WINDOW_TEST(zendary_window, ZendaryWindowTest);

}  // namespace zendary_window

#include "zendary_window.moc"
