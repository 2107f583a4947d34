// Pulsara's window: ids, tooltips, frames, the number and colour lists, limits, the
// meters, the About box and the maximise rule.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "pulsara/window/pulsara_window.h"
#include "tests/support/window_checks.h"

namespace pulsara_window {

class PulsaraWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void everyControlHasItsIdAndTooltip()
    {
        pulsara::PulsaraWindow window(fake.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const std::pair<int, const char*> tips[] = {
            {pulsara::kNameId, "enter full name here"},
            {pulsara::kSelectedMonthId, "select month"},
            {pulsara::kSelectedDayId, "select date"},
            {pulsara::kSelectedYearId, "select year"},
            {pulsara::kBirthMonthId, "birth month"},
            {pulsara::kBirthDayId, "birth date"},
            {pulsara::kBirthYearId, "birth year"},
            {pulsara::kNumberId, "select number"},
            {pulsara::kColourId, "select color"},
            {pulsara::kEmotionalId, "emotional biorhythm scale"},
            {pulsara::kPhysicalId, "physical biorhythm scale"},
            {pulsara::kIntellectualId, "intellectual biorhythm scale"},
        };
        for (auto [id, tip] : tips) {
            QWidget* control = window.findChild<QWidget*>(QString::number(id));
            QVERIFY2(control, qPrintable(QString::number(id)));
            QCOMPARE(control->toolTip(), QString(tip));
        }
        const std::pair<const char*, const char*> buttons[] = {
            {"&NA", "measure biorhythms via numerology and astrology"},
            {"&TM", "measure biorhythms via traditional method"},
            {"&BE", "biorhythms explained"},
            {"&HP", "help wizard"},
            {"&EX", "exit"}};
        int left = -1;
        for (auto [caption, tip] : buttons) {
            QPushButton* button = buttonCaptioned(window, caption);
            QVERIFY2(button, caption);
            QCOMPARE(button->toolTip(), QString(tip));
            const int x = button->mapTo(&window, QPoint(0, 0)).x();
            QVERIFY2(x > left, caption);  // left to right
            left = x;
        }
        QVERIFY(buttonCaptioned(window, "&NA")->isDefault());
        QStringList groups;
        for (QGroupBox* group : window.findChildren<QGroupBox*>())
            groups << group->title();
        groups.sort();
        QCOMPARE(groups,
                 (QStringList{" Biorhythm Scales ", " Personal Information ", "Enter Birthday", "Select Meters"}));
        QCOMPARE(window.windowTitle(), QString(" Pulsara 2000"));
        QCOMPARE(window.findChild<QLineEdit*>(controlName(pulsara::kNameId))->maxLength(), 120);
    }

    void theListsStartWithNothingChosen()
    {
        pulsara::PulsaraWindow window(fake.services);
        auto* numbers = window.findChild<QComboBox*>(controlName(pulsara::kNumberId));
        auto* colours = window.findChild<QComboBox*>(controlName(pulsara::kColourId));
        for (QComboBox* list : {numbers, colours}) {
            QVERIFY(!list->isEditable());
            QCOMPARE(list->currentIndex(), -1);
        }
        QStringList numberItems, colourItems;
        for (int i = 0; i < numbers->count(); ++i)
            numberItems << numbers->itemText(i);
        for (int i = 0; i < colours->count(); ++i)
            colourItems << colours->itemText(i);
        QCOMPARE(numberItems, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        QCOMPARE(colourItems, (QStringList{"white", "yellow", "green", "red", "blue", "black"}));
    }

    void metersRunFromZeroToAHundredWithTheirScales()
    {
        pulsara::PulsaraWindow window(fake.services);
        for (int id : {pulsara::kPhysicalId, pulsara::kEmotionalId, pulsara::kIntellectualId}) {
            auto* meter = window.findChild<QProgressBar*>(QString::number(id));
            QVERIFY(meter);
            QCOMPARE(meter->minimum(), 0);
            QCOMPARE(meter->maximum(), 100);
            QCOMPARE(meter->value(), 0);
        }
        QStringList texts;
        for (QLabel* label : window.findChildren<QLabel*>())
            texts << label->text();
        QCOMPARE(texts.count("0     10     20     30     40     50     60     70     80     90     100"), 3);
        QVERIFY(texts.contains("--------- Passive -------------- Intellectual -------------- Acitve ----------------"));
    }

    void everyFieldHasItsControl()
    {
        pulsara::PulsaraWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
    }

    void checkEnterPressesFocusedButton()
    {
        pulsara::PulsaraWindow window(fake.services);
        ::checkEnterPressesFocusedButton(window, buttonCaptioned(window, "&BE"), fake.ui, pulsara::kExplanationText);
    }

    void aboutNamesTheProgram()
    {
        pulsara::PulsaraWindow window(fake.services);
        fake.ui.boxes.clear();
        window.showAbout();
        QCOMPARE(fake.ui.boxes.size(), std::size_t(1));
        QCOMPARE(fake.ui.boxes[0].caption, std::string("Pulsara 2000"));
        QVERIFY(fake.ui.boxes[0].text.starts_with("Pulsara 2000\n"));
    }

    void maximisingMovesTheWindowInstead()
    {
        pulsara::PulsaraWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(100, 100, 520, 540), "PULSARA_WINDOW_PICTURE");
    }
};

MYSTORIN_WINDOW_TEST(pulsara_window, PulsaraWindowTest);

}  // namespace pulsara_window

#include "pulsara_window.moc"
