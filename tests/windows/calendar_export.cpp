// What needs the real windows of the calendar exports: the buttons, the choice dialog
// and the file dialog going through the Ui seam, a cancel that writes nothing, and the
// second person on the chart and in its picture.
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "pulsara/window/chart_dialog.h"
#include "pulsara/window/partner_dialog.h"
#include "pulsara/window/pulsara_window.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_checks.h"
#include "tests/support/window_test.h"
#include "zendary/window/stars_calendar_dialog.h"

namespace calendar_export {

// A Ui that answers each dialog as a user would: ticks the named buttons of a choice,
// fills the second person's fields, names `target` in a file dialog; or cancels all.
class AnsweringUi : public FakeUi {
public:
    int exec(QDialog& dialog) override
    {
        titles << dialog.windowTitle();
        if (cancel)
            return QDialog::Rejected;
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            suggested = files->selectedFiles().value(0);
            files->selectFile(target);
            return QDialog::Accepted;
        }
        for (auto* button : dialog.findChildren<QAbstractButton*>())
            if (ticks.contains(button->text()))
                button->setChecked(true);
        for (auto it = typed.begin(); it != typed.end(); ++it)
            dialog.findChild<QLineEdit*>(it.key())->setText(it.value());
        if (!typed.isEmpty()) {
            dialog.accept();
            return dialog.result();
        }
        return QDialog::Accepted;
    }
    bool cancel = false;
    QString target, suggested;
    QStringList titles, ticks;
    QMap<QString, QString> typed;
};

QByteArray contentOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const numerology::StarNumbers kStars = numerology::ComputeStarNumbers({1, 1, 1920}, {1, 1, 1900}, {1, 1, 1900});

class CalendarExportTest : public QObject {
    Q_OBJECT

private slots:
    void theStarsCalendarAsksWhatThenWhere()
    {
        QTemporaryDir dir;
        AnsweringUi ui;
        ui.target = dir.filePath("stars.ics");
        ui.ticks = {"the &twelve months from it", "also the &bad days"};
        FakeClock clock;
        clock.time = {2001, 12, 25, 9, 5, 0};
        zendary::StarsCalendarDialog calendar(ui, kStars, {12, 25, 2001});
        calendar.setClock(clock);
        QPushButton* button = buttonCaptioned(calendar, "&Export to Calendar...");
        QVERIFY(button);
        QVERIFY(!button->toolTip().isEmpty());
        button->click();
        QCOMPARE(ui.titles, QStringList({"Export to Calendar", "Save iCalendar File"}));
        QVERIFY(ui.suggested.endsWith("Stars Calendar 2001-12.ics"));
        const QByteArray ics = contentOf(ui.target);
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(ics.contains("DTSTAMP:20011225T090500Z\r\n"));
        // Twelve months with the bad days: the first bad day of December and the last
        // good day of November 2002 (day mod 9 = 7 for November's (11 + day + 3) mod 9 = 3).
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20011201\r\nDTEND;VALUE=DATE:20011202\r\nSUMMARY:Bad day"));
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20021125\r\n"));
        QVERIFY(!ics.contains("DTSTART;VALUE=DATE:200212"));
    }

    void twelveMonthsEndWithTheCalendarsLastMonth()
    {
        // From November 2099 only November and December exist for the calendar. 2099's
        // year digit is 1: December is good where (12 + day + 1) mod 9 is 1 to 3, i.e.
        // day mod 9 in {6, 7, 8}: the 6th first, the 26th last.
        QTemporaryDir dir;
        FakeUi ui;
        zendary::StarsCalendarDialog calendar(ui, kStars, {11, 1, 2099});
        QVERIFY(calendar.exportCalendar(dir.filePath("end.ics"), {true, false}));
        const QByteArray ics = contentOf(dir.filePath("end.ics"));
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20991206\r\n"));
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20991226\r\nDTEND;VALUE=DATE:20991227\r\n"));
        QVERIFY(!ics.contains("DTSTART;VALUE=DATE:2100"));
        QVERIFY(!ics.contains("Bad day"));
    }

    void aCancelAnywhereWritesNothing()
    {
        QTemporaryDir dir;
        AnsweringUi ui;
        ui.cancel = true;
        ui.target = dir.filePath("stars.ics");
        zendary::StarsCalendarDialog calendar(ui, kStars, {12, 25, 2001});
        buttonCaptioned(calendar, "&Export to Calendar...")->click();
        QCOMPARE(ui.titles, QStringList({"Export to Calendar"}));
        pulsara::ChartDialog chart(ui, "A", {1, 1, 2000}, {3, 1, 2000});
        buttonCaptioned(chart, "&Export Critical Days...")->click();
        buttonCaptioned(chart, "Compare &With...")->click();
        QCOMPARE(ui.titles, QStringList({"Export to Calendar", "Export Critical Days", "Compare With"}));
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(!chart.findChild<QWidget*>("chart")->property("compatibility").isValid());
    }

    void aWriteThatFailsSaysSoAndLeavesNothing()
    {
        QTemporaryDir dir;
        FakeUi ui;
        pulsara::ChartDialog chart(ui, "A", {1, 1, 2000}, {3, 1, 2000});
        QVERIFY(!chart.exportCalendar(dir.filePath("no such folder/critical.ics"), {}));
        QCOMPARE(ui.boxes.size(), std::size_t(1));
        QVERIFY(ui.boxes[0].icon == shell::Icon::Stop);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void theChartExportsItsCriticalDays()
    {
        QTemporaryDir dir;
        AnsweringUi ui;
        ui.target = dir.filePath("critical.ics");
        pulsara::ChartDialog chart(ui, "A", {1, 1, 2000}, {3, 1, 2000});
        QVERIFY(!buttonCaptioned(chart, "&Export Critical Days...")->toolTip().isEmpty());
        buttonCaptioned(chart, "&Export Critical Days...")->click();
        const QByteArray ics = contentOf(ui.target);
        // 7 March 2000 (count 65 = 33 + 32) is the first, 29 May (148) the last.
        QCOMPARE(ics.count("BEGIN:VEVENT"), 26);
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20000307\r\nDTEND;VALUE=DATE:20000308\r\n"
                             "SUMMARY:Critical day: Intellectual\r\nDESCRIPTION:Biorhythm of A\r\n"));
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20000529\r\n"));
    }

    void theSecondPersonJoinsTheChartAndItsPicture()
    {
        QTemporaryDir dir;
        AnsweringUi ui;
        ui.typed = {{controlName(pulsara::kNameId), "Ben"},
                    {controlName(pulsara::kBirthMonthId), "3"},
                    {controlName(pulsara::kBirthDayId), "1"},
                    {controlName(pulsara::kBirthYearId), "2001"}};
        pulsara::ChartDialog chart(ui, "Anna", {3, 29, 2001}, {3, 29, 2001});
        QVERIFY(!buttonCaptioned(chart, "Compare &With...")->toolTip().isEmpty());
        buttonCaptioned(chart, "Compare &With...")->click();
        QWidget* view = chart.findChild<QWidget*>("chart");
        QCOMPARE(view->property("compatibility").toString(),
                 QString("Compatibility with Ben: Physical 57 %, Emotional 100 %, Intellectual 70 %, overall 76 %"));
        QCOMPARE(view->property("listedValues").toStringList().value(0), QString("3-29-2001 50 50 50 | 100 50 24"));
        // The picture grows by the legend and compatibility lines: 760 x 424, twice.
        QVERIFY(chart.saveAsPng(dir.filePath("both.png")));
        QCOMPARE(QImage(dir.filePath("both.png")).size(), QSize(1520, 848));
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QVERIFY(chart.width() <= 956);
    }

    // The README's picture of two people on one chart (scripts/screenshots).
    void pictureOfTwoPeople()
    {
        if (!qEnvironmentVariableIsSet("PAIRED_CHART_PICTURE"))
            QSKIP("PAIRED_CHART_PICTURE names the picture to take");
        AnsweringUi ui;
        ui.typed = {{controlName(pulsara::kNameId), "John Smith"},
                    {controlName(pulsara::kBirthMonthId), "11"},
                    {controlName(pulsara::kBirthDayId), "2"},
                    {controlName(pulsara::kBirthYearId), "1983"}};
        pulsara::ChartDialog chart(ui, "Mary Jones", {7, 4, 1985}, {3, 1, 2026});
        buttonCaptioned(chart, "Compare &With...")->click();
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QVERIFY(chart.grab().save(qEnvironmentVariable("PAIRED_CHART_PICTURE")));
    }

    void theSecondPersonsFieldsAreTheMainWindows()
    {
        FakeUi ui;
        pulsara::PartnerDialog dialog(ui);
        auto* name = dialog.findChild<QLineEdit*>(controlName(pulsara::kNameId));
        QVERIFY(name);
        QCOMPARE(name->toolTip(), QString("enter full name here"));
        QCOMPARE(name->maxLength(), 120);
        QCOMPARE(dialog.findChild<QLineEdit*>(controlName(pulsara::kBirthYearId))->text(), QString("1900"));
        // 31 April is refused with the window's own message, and the dialog stays.
        name->setText("Ben");
        dialog.findChild<QLineEdit*>(controlName(pulsara::kBirthMonthId))->setText("4");
        dialog.findChild<QLineEdit*>(controlName(pulsara::kBirthDayId))->setText("31");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ui.captions(), std::vector<std::string>{"DATE ERROR"});
    }

    void theCalendarStillFits()
    {
        FakeUi ui;
        zendary::StarsCalendarDialog calendar(ui, kStars, {12, 25, 2001});
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        QVERIFY(calendar.width() <= 956);
    }
};

MYSTORIN_WINDOW_TEST(calendar_export, CalendarExportTest);

}  // namespace calendar_export

#include "calendar_export.moc"
