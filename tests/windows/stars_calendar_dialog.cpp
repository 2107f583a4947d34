// What needs the real stars calendar: its buttons and tooltips, its size, the keyboard,
// the frames that the listed values do not carry, and a month shorter than a typed date.
#include <QPushButton>
#include <QTest>

#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_checks.h"
#include "zendary/window/stars_calendar_dialog.h"

namespace stars_calendar_dialog {

using numerology::Date;

class StarsCalendarDialogTest : public QObject {
    Q_OBJECT

    FakeServices fake;
    // All three birthdays 1/1/1900: star numbers 1, 2, 4, 3, 6.
    const numerology::StarNumbers stars = numerology::ComputeStarNumbers({1, 1, 1900}, {1, 1, 1900}, {1, 1, 1900});

    static QStringList listed(QWidget& dialog)
    {
        return dialog.findChild<QWidget*>("calendar")->property("listedValues").toStringList();
    }

private slots:
    void buttonsAndSize()
    {
        zendary::StarsCalendarDialog dialog(fake.ui, stars, {12, 25, 2001});
        QCOMPARE(dialog.windowTitle(), QString("Stars Calendar"));
        for (const char* caption :
             {"Pre&vious Month", "Ne&xt Month", "&Next Good Day", "&Print...", "Save as P&DF...", "&Close"}) {
            QPushButton* button = buttonCaptioned(dialog, caption);
            QVERIFY2(button, caption);
            QVERIFY2(!button->toolTip().isEmpty(), caption);
        }
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.width() <= 900);
        QVERIFY(dialog.height() <= 460);
        if (qEnvironmentVariableIsSet("STARS_CALENDAR_PICTURE"))
            dialog.grab().save(qEnvironmentVariable("STARS_CALENDAR_PICTURE"));
    }

    void framesTheSelectedDateAndTheNextGoodDay()
    {
        zendary::StarsCalendarDialog dialog(fake.ui, stars, {12, 25, 2001});
        QCOMPARE(dialog.sheet().month, 12);
        QCOMPARE(dialog.sheet().year, 2001);
        QCOMPARE(dialog.sheet().selectedDay, 25);
        QCOMPARE(dialog.sheet().markedDay, 0);
        // After the 25th of December 2001 the first good day is the 6th of January 2002.
        buttonCaptioned(dialog, "&Next Good Day")->click();
        QCOMPARE(dialog.sheet().month, 1);
        QCOMPARE(dialog.sheet().year, 2002);
        QCOMPARE(dialog.sheet().markedDay, 6);
        QCOMPARE(dialog.sheet().selectedDay, 0);
        QCOMPARE(listed(dialog).value(5), QString("6 GOOD"));
        buttonCaptioned(dialog, "Pre&vious Month")->click();
        QCOMPARE(dialog.sheet().selectedDay, 25);
        QCOMPARE(dialog.sheet().markedDay, 0);
    }

    void pagesByKeyboardWithinTheYears()
    {
        zendary::StarsCalendarDialog dialog(fake.ui, stars, {2, 3, 1800});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_PageUp);
        QCOMPARE(dialog.sheet().month, 1);
        QVERIFY(!buttonCaptioned(dialog, "Pre&vious Month")->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_PageUp);
        QCOMPARE(dialog.sheet().month, 1);
        QCOMPARE(dialog.sheet().year, 1800);
        QTest::keyClick(&dialog, Qt::Key_PageDown);
        QCOMPARE(dialog.sheet().month, 2);
        QVERIFY(buttonCaptioned(dialog, "Pre&vious Month")->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void typedDayPastTheMonthsEnd()
    {
        // The date fields take 29 February 1900; the calendar's February 1900 has 28 days.
        zendary::StarsCalendarDialog dialog(fake.ui, stars, {2, 29, 1900});
        QCOMPARE(listed(dialog).size(), 28);
        QCOMPARE(dialog.sheet().selectedDay, 0);
    }
};

MYSTORIN_WINDOW_TEST(stars_calendar_dialog, StarsCalendarDialogTest);

}  // namespace stars_calendar_dialog

#include "stars_calendar_dialog.moc"
