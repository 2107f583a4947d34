// Psyvane's window: ids, tooltips, frames, the lists and their start values, the progress
// bar, Enter on Check Intuition and on a focused button, the right click and the maximise
// rule.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "psyvane/window/psyvane_window.h"
#include "tests/support/window_checks.h"

namespace psyvane_window {

class PsyvaneWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

    QStringList itemsOf(QWidget& window, int id)
    {
        auto* list = window.findChild<QComboBox*>(QString::number(id));
        QStringList items;
        for (int i = 0; list && i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }

private slots:
    void everyControlHasItsIdAndTooltip()
    {
        psyvane::PsyvaneWindow window(fake.services);
        const std::pair<int, const char*> tips[] = {
            {psyvane::kProgressId, "right click on any of the pictures"},
            {psyvane::kMonthId, "current month"},
            {psyvane::kDayId, "current date"},
            {psyvane::kYearId, "current year"},
            {psyvane::kNumberId, "select number"},
            {psyvane::kColorId, "select color"},
            {psyvane::kShapeId, "select shape"},
            {psyvane::kSignId, "select sign"},
            {psyvane::kTypeId, "select type"},
        };
        for (auto [id, tip] : tips) {
            QWidget* control = window.findChild<QWidget*>(QString::number(id));
            QVERIFY2(control, qPrintable(QString::number(id)));
            QCOMPARE(control->toolTip(), QString(tip));
        }
        const std::pair<const char*, const char*> buttons[] = {
            {"&Numbers Exercise", "sharpen your intuition with numbers exercise"},
            {"&Colors Exercise", "sharpen your intuition with colors exercise"},
            {"&Shapes Exercise", "sharpen your intuition with shapes exercise"},
            {"Signs &Exercise", "sharpen your intuition with signs exercise"},
            {"Check &Intuition", "check your intuition power level"},
            {"&Develop", "develop your intuition step by step strategy"},
            {"&Fine Tune", "fine tune your intuition step by step strategy"},
            {"Detailed &Help", "detailed help and much more"},
        };
        for (auto [caption, tip] : buttons) {
            QPushButton* button = buttonCaptioned(window, caption);
            QVERIFY2(button, caption);
            QCOMPARE(button->toolTip(), QString(tip));
        }
        QVERIFY(buttonCaptioned(window, "Check &Intuition")->isDefault());
        QCOMPARE(window.windowTitle(), QString("Psyvane 2000"));
        auto* bar = window.findChild<QProgressBar*>(controlName(psyvane::kProgressId));
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 0);
    }

    void listsHoldTheirItemsAndOnlyTheTypeStartsChosen()
    {
        fake.clock.time = {2026, 12, 8, 9, 5, 7};
        psyvane::PsyvaneWindow window(fake.services);
        QCOMPARE(itemsOf(window, psyvane::kTypeId), (QStringList{"personal", "family", "business"}));
        QCOMPARE(itemsOf(window, psyvane::kNumberId), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        QCOMPARE(itemsOf(window, psyvane::kColorId),
                 (QStringList{"white", "yellow", "green", "red", "blue", "brown", "black"}));
        QCOMPARE(itemsOf(window, psyvane::kShapeId), (QStringList{"triangle", "square", "circle"}));
        QCOMPARE(itemsOf(window, psyvane::kSignId), (QStringList{"earth", "fire", "wind", "water"}));
        for (int id : {psyvane::kTypeId, psyvane::kNumberId, psyvane::kColorId, psyvane::kShapeId, psyvane::kSignId})
            QVERIFY(!window.findChild<QComboBox*>(QString::number(id))->isEditable());
        QCOMPARE(window.findChild<QComboBox*>(controlName(psyvane::kTypeId))->currentText(), QString("personal"));
        for (int id : {psyvane::kNumberId, psyvane::kColorId, psyvane::kShapeId, psyvane::kSignId})
            QCOMPARE(window.findChild<QComboBox*>(QString::number(id))->currentIndex(), -1);
        QCOMPARE(window.findChild<QLineEdit*>(controlName(psyvane::kMonthId))->text(), QString("12"));
        QCOMPARE(window.findChild<QLineEdit*>(controlName(psyvane::kDayId))->text(), QString("8"));
        QCOMPARE(window.findChild<QLineEdit*>(controlName(psyvane::kYearId))->text(), QString("2026"));
    }

    void enterChecksIntuition()
    {
        psyvane::PsyvaneWindow window(fake.services);
        checkEnterInEditShows(window, controlName(psyvane::kDayId), fake.ui, std::string("Please select number.    "));
    }

    void enterOnAFocusedButtonPressesIt()
    {
        psyvane::PsyvaneWindow window(fake.services);
        checkEnterPressesFocusedButton(window, buttonCaptioned(window, "Detailed &Help"), fake.ui,
                                       "Can't find help file (psyvane.hlp). Do you want to locate it yourself?");
    }

    void everyFieldHasItsControl()
    {
        psyvane::PsyvaneWindow window(fake.services);
        QVERIFY(shell::missingControls(window, window.fields()).empty());
    }

    void aRightClickAsksForTheSecretInsteadOfAnAboutMenu()
    {
        psyvane::PsyvaneWindow window(fake.services);
        fake.ui.boxes.clear();
        fake.ui.answers = {shell::Answer::No};
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), window.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&window, &event);
        QCOMPARE(fake.ui.captions(), (std::vector<std::string>{"TOP SECRET"}));
    }

    void maximisingMovesTheWindowInstead()
    {
        psyvane::PsyvaneWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(100, 100, 494, 295), "PSYVANE_WINDOW_PICTURE");
    }
};

MYSTORIN_WINDOW_TEST(psyvane_window, PsyvaneWindowTest);

}  // namespace psyvane_window

#include "psyvane_window.moc"
