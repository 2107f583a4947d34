// The launcher's window: the two columns of program buttons, the keyboard (Enter on the
// main program and on a focused button), the maximise rule and where a right-click asks
// its question.
#include <QContextMenuEvent>
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "bar/launcher_actions.h"
#include "bar/window/bar_window.h"
#include "bar/window/launcher_table.h"
#include "tests/support/window_checks.h"

namespace bar_window {

QPushButton* button(QWidget& window, int id)
{
    auto* found = window.findChild<QPushButton*>(QString::number(id));
    if (!found)
        qFatal("no button %d", id);
    return found;
}

class BarWindowTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void init()
    {
        fake.ui.boxes.clear();
        fake.launcher.started.clear();
    }

    void programButtonsStandInTwoColumnsWithTheirTooltips()
    {
        bar::BarWindow window(fake.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto table = bar::LauncherButtonTable();
        QCOMPARE(table.size(), 10u);
        QPushButton* first = button(window, table[0].id);
        QPushButton* sixth = button(window, table[5].id);
        QVERIFY(sixth->x() > first->x() + first->width());
        for (std::size_t i = 0; i < table.size(); ++i) {
            QPushButton* b = button(window, table[i].id);
            QCOMPARE(b->text(), QString(table[i].caption));
            QCOMPARE(b->toolTip(), QString(table[i].tooltip));
            QCOMPARE(b->x(), (i < 5 ? first : sixth)->x());
            if (i % 5)
                QVERIFY(b->y() > button(window, table[i - 1].id)->y());
        }
        // Updates and Support sit below both columns.
        const int columnsBottom = button(window, table[4].id)->geometry().bottom();
        QVERIFY(button(window, bar::kUpdatesId)->y() > columnsBottom);
        QVERIFY(button(window, bar::kSupportId)->y() > columnsBottom);
        QCOMPARE(button(window, bar::kUpdatesId)->toolTip(), QString("check our web site for updates"));
        QCOMPARE(button(window, bar::kSupportId)->toolTip(), QString("software support"));
    }

    void everyButtonHasAMnemonicOfItsOwn()
    {
        bar::BarWindow window(fake.services);
        QSet<QChar> letters;
        const auto buttons = window.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 12);
        for (QPushButton* b : buttons) {
            const int amp = b->text().indexOf('&');
            QVERIFY2(amp >= 0, qPrintable(b->text()));
            letters.insert(b->text().at(amp + 1).toLower());
        }
        QCOMPARE(letters.size(), 12);
    }

    void enterStartsTheMainProgramAndTheLauncherStays()
    {
        bar::BarWindow window(fake.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(button(window, 1)->isDefault());
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(fake.launcher.started, (std::vector<std::string>{"zendary"}));
        QVERIFY(window.isVisible());  // the hand-over came back: the launcher stays
    }

    void enterOnAFocusedButtonPressesIt()
    {
        bar::BarWindow window(fake.services);
        // No read-me page in the docs folder: Updates shows the address in a box.
        checkEnterPressesFocusedButton(window, button(window, bar::kUpdatesId), fake.ui, bar::kUpdatesAddress);
        QVERIFY(fake.launcher.started.empty());
    }

    void maximisingMovesTheWindowInstead()
    {
        bar::BarWindow window(fake.services);
        checkMaximisingMovesTo(window, QRect(150, 150, 422, 202), "BAR_WINDOW_PICTURE");
    }

    void rightClickAsksOnTheSurfaceOnly()
    {
        bar::BarWindow window(fake.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPushButton* zendary = button(window, 1);
        const QPoint onButton = zendary->geometry().center();
        QContextMenuEvent overButton(QContextMenuEvent::Mouse, onButton, window.mapToGlobal(onButton));
        QApplication::sendEvent(zendary, &overButton);
        QVERIFY(fake.ui.boxes.empty());

        const QPoint onPicture(window.width() / 2, 2);
        QContextMenuEvent overPicture(QContextMenuEvent::Mouse, onPicture, window.mapToGlobal(onPicture));
        QApplication::sendEvent(&window, &overPicture);
        QCOMPARE(fake.ui.captions(), (std::vector<std::string>{"ZENDARY"}));
    }
};

MYSTORIN_WINDOW_TEST(bar_window, BarWindowTest);

}  // namespace bar_window

#include "bar_window.moc"
