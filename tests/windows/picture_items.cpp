// Pictures read as data: the biorhythm chart and the stars calendar show a screen reader
// one item a day with its values and marks, the calendar moves the reader's focus with
// the keyboard, the meters give their value and scale, and decorations are passed by.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "pulsara/window/chart_dialog.h"
#include "shell/gui/decoration.h"
#include "shell/gui/program.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_checks.h"
#include "tests/support/window_test.h"
#include "zendary/window/stars_calendar_dialog.h"

const shell::Program& mystorin_program_pulsara();
const shell::Program& mystorin_program_furrowen();

namespace picture_items {

QAccessibleInterface* accessibleOf(QWidget& dialog, const char* name)
{
    return QAccessible::queryAccessibleInterface(dialog.findChild<QWidget*>(name));
}

QStringList childNames(QAccessibleInterface* list)
{
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i)
        names << list->child(i)->text(QAccessible::Name);
    return names;
}

class PictureItemsTest : public QObject {
    Q_OBJECT

    FakeServices fake;
    // All three birthdays 1/1/1900: star numbers 1, 2, 4, 3, 6.
    const numerology::StarNumbers stars = numerology::ComputeStarNumbers({1, 1, 1900}, {1, 1, 1900}, {1, 1, 1900});

private slots:
    void theChartListsItsDays()
    {
        // Born 1/1/2000, selected 3/1/2000: 2/15 to 3/16, through the leap day.
        pulsara::ChartDialog chart(fake.ui, "A", {1, 1, 2000}, {3, 1, 2000});
        QAccessibleInterface* list = accessibleOf(chart, "chart");
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 31);
        const QStringList days = childNames(list);
        QVERIFY2(days[0].startsWith("2-15-2000: Physical "), qPrintable(days[0]));
        QCOMPARE(days[14].left(10), QString("2-29-2000:"));
        // 59 days after the birthday the meters stand at 30, 71 and 12.
        QVERIFY2(days[15].startsWith("3-1-2000: Physical 30, Emotional 71, Intellectual 12") &&
                     days[15].endsWith("; selected date"),
                 qPrintable(days[15]));
        // Physical 50 on 2/17, Intellectual 50 on 2/21, Emotional 57 to 49 from 3/11 to 3/12
        // (where Physical, 23 days after its 50 of 2/18, may be critical too).
        QVERIFY2(days[2].startsWith("2-17-2000: Physical 50, ") && days[2].endsWith("; critical: Physical"),
                 qPrintable(days[2]));
        QVERIFY2(days[6].endsWith("Intellectual 50; critical: Intellectual"), qPrintable(days[6]));
        QVERIFY2(
            days[26].startsWith("3-12-2000: ") && days[26].contains("; critical: ") && days[26].endsWith("Emotional"),
            qPrintable(days[26]));
        for (int i = 0; i < 31; ++i) {
            QCOMPARE(list->child(i)->role(), QAccessible::ListItem);
            QCOMPARE(list->child(i)->state().selected, i == 15);
            QCOMPARE(list->child(i)->parent(), list);
            QCOMPARE(list->indexOfChild(list->child(i)), i);
        }
    }

    void theChartsDaysLieWhereTheyAreDrawn()
    {
        pulsara::ChartDialog chart(fake.ui, "A", {1, 1, 2000}, {3, 1, 2000});
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QAccessibleInterface* list = accessibleOf(chart, "chart");
        // Left to right in date order, side by side, inside the view.
        for (int i = 1; i < 31; ++i) {
            const QRect before = list->child(i - 1)->rect(), day = list->child(i)->rect();
            QVERIFY(day.left() > before.left());
            QVERIFY(list->rect().contains(day.center()));
            QCOMPARE(list->childAt(day.center().x(), day.center().y()), list->child(i));
        }
    }

    void theCalendarListsItsDaysWithTheirVerdicts()
    {
        zendary::StarsCalendarDialog dialog(fake.ui, stars, {12, 25, 2001});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QApplication::setActiveWindow(&dialog);
        QAccessibleInterface* list = accessibleOf(dialog, "calendar");
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QString("December 2001"));
        QCOMPARE(list->childCount(), 31);
        const QStringList listed = dialog.findChild<QWidget*>("calendar")->property("listedValues").toStringList();
        const QStringList days = childNames(list);
        for (int i = 0; i < 31; ++i) {
            QVERIFY2(days[i] == listed[i] || days[i] == listed[i] + ", selected date", qPrintable(days[i]));
            QCOMPARE(list->child(i)->state().selected, i == 24);
        }
        QVERIFY(days[24].endsWith(", selected date"));
        QCOMPARE(list->child(24)->text(QAccessible::Description), QString("Tuesday, December 25 2001"));
        // The next good day after it is the 6th of January 2002, a Sunday.
        buttonCaptioned(dialog, "&Next Good Day")->click();
        QCOMPARE(list->text(QAccessible::Name), QString("January 2002"));
        QCOMPARE(list->child(5)->text(QAccessible::Name), QString("6 GOOD, next good day"));
        QCOMPARE(list->child(5)->text(QAccessible::Description), QString("Sunday, January 6 2002"));
        QVERIFY(!list->child(5)->state().selected);
        // February 2002 has 28 days: the list follows the month shown.
        QTest::keyClick(&dialog, Qt::Key_PageDown);
        QCOMPARE(list->childCount(), 28);
        QVERIFY(!list->child(28));
    }

    void theKeyboardWalksTheCalendarsDays()
    {
        zendary::StarsCalendarDialog dialog(fake.ui, stars, {12, 25, 2001});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QApplication::setActiveWindow(&dialog);
        auto* view = dialog.findChild<QWidget*>("calendar");
        QVERIFY(view->focusPolicy() & Qt::TabFocus);
        // The dialog still opens on its first button; the days come after Close.
        QVERIFY(QApplication::focusWidget() != view);
        view->setFocus(Qt::TabFocusReason);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
        QCOMPARE(list->focusChild(), list->child(24));  // the selected date
        QVERIFY(list->child(24)->state().focused);

        // Where a reader's focus is, as it asks after each focus event (which only a
        // platform with a reader listening sends on).
        const auto lastFocus = [list] {
            QAccessibleInterface* focused = list->focusChild();
            return focused && focused->state().focused ? focused->text(QAccessible::Name) : QString();
        };
        QTest::keyClick(view, Qt::Key_Right);
        QVERIFY2(lastFocus().startsWith("26 "), qPrintable(lastFocus()));
        QTest::keyClick(view, Qt::Key_Down);
        QVERIFY2(lastFocus().startsWith("2 "), qPrintable(lastFocus()));  // January 2nd, a page on
        QCOMPARE(dialog.sheet().month, 1);
        QCOMPARE(dialog.sheet().year, 2002);
        QTest::keyClick(view, Qt::Key_End);
        QVERIFY2(lastFocus().startsWith("31 "), qPrintable(lastFocus()));
        QTest::keyClick(view, Qt::Key_Up);
        QVERIFY2(lastFocus().startsWith("24 "), qPrintable(lastFocus()));
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_Left);
        QVERIFY2(lastFocus().startsWith("31 "), qPrintable(lastFocus()));  // December 31st
        QCOMPARE(dialog.sheet().month, 12);
        QCOMPARE(list->focusChild(), list->child(30));
    }

    void theFirstDayTheCalendarShowsIsAnEnd()
    {
        zendary::StarsCalendarDialog dialog(fake.ui, stars, {1, 1, 1800});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QApplication::setActiveWindow(&dialog);
        auto* view = dialog.findChild<QWidget*>("calendar");
        view->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view, Qt::Key_Up);
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(dialog.sheet().month, 1);
        QCOMPARE(dialog.sheet().year, 1800);
        QCOMPARE(QAccessible::queryAccessibleInterface(view)->focusChild()->text(QAccessible::Name).section(' ', 0, 0),
                 QString("1"));
    }

    void metersGiveTheirValueAndScale()
    {
        std::unique_ptr<QDialog> window = mystorin_program_pulsara().makeWindow(fake.services);
        const QList<QProgressBar*> meters = window->findChildren<QProgressBar*>();
        QCOMPARE(meters.size(), 3);
        for (QProgressBar* meter : meters) {
            meter->setValue(71);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(meter);
            QAccessibleValueInterface* value = accessible->valueInterface();
            QVERIFY(value);
            QCOMPARE(value->minimumValue().toInt(), 0);
            QCOMPARE(value->maximumValue().toInt(), 100);
            QCOMPARE(value->currentValue().toInt(), 71);
        }
    }

    void decorationsArePassedBy()
    {
        std::unique_ptr<QDialog> window = mystorin_program_furrowen().makeWindow(fake.services);
        QLabel* paw = nullptr;
        for (QLabel* label : window->findChildren<QLabel*>())
            if (!label->pixmap().isNull())
                paw = label;
        QVERIFY(paw);
        QVERIFY(shell::isDecoration(paw));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(paw);
        QCOMPARE(accessible->role(), QAccessible::Graphic);
        QVERIFY(accessible->state().invisible);
        QVERIFY(!accessible->state().focusable);
        QVERIFY(accessible->text(QAccessible::Name).isEmpty());
        QCOMPARE(paw->focusPolicy(), Qt::NoFocus);
    }
};

MYSTORIN_WINDOW_TEST(picture_items, PictureItemsTest);

}  // namespace picture_items

#include "picture_items.moc"
