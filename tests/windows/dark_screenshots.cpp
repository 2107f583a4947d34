// Every main window, the biorhythm chart and the stars calendar under a dark palette, as
// pictures: scripts/screenshots runs this under Xvfb with MYSTORIN_SCREENSHOTS naming the
// folder to keep them in (docs/screenshots/dark). Without it the pictures are only made,
// which checks that every window builds and paints under that palette.
#include <QApplication>
#include <QDir>
#include <QTest>

#include "pulsara/window/chart_dialog.h"
#include "shell/gui/program.h"
#include "shell/gui/suite_look.h"
#include "tests/support/fake_services.h"
#include "tests/support/palettes.h"
#include "tests/support/suite_programs.h"
#include "tests/support/window_test.h"
#include "zendary/window/stars_calendar_dialog.h"

const shell::Program& mystorin_program_zendary();

namespace dark_screenshots {

class DarkScreenshotsTest : public QObject {
    Q_OBJECT

    FakeServices fake;

    static void keep(QWidget& window, const QString& name)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        const QImage picture = window.grab().toImage();
        QVERIFY(!picture.isNull());
        // The window itself is dark: its corner is no light colour.
        QVERIFY2(picture.pixelColor(1, 1).lightness() < 128, qPrintable(name));
        const QString folder = qEnvironmentVariable("MYSTORIN_SCREENSHOTS");
        if (!folder.isEmpty()) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(picture.save(QDir(folder).filePath(name + ".png")));
        }
    }

private slots:
    void initTestCase()
    {
        shell::applySuiteLook(mystorin_program_zendary());
        QApplication::setPalette(darkPalette());
    }
    void cleanupTestCase() { QApplication::setPalette(QApplication::style()->standardPalette()); }

    void mainWindows_data() { addSuiteProgramRows(); }

    void mainWindows()
    {
        QFETCH(const shell::Program*, program);
        std::unique_ptr<QDialog> window = program->makeWindow(fake.services);
        keep(*window, QString::fromStdString(program->name));
    }

    // The people of the light pictures: Mary Jones, born 7/4/1985; birthdays 3/14/1975,
    // 10/2/1950 and 12/31/1945.
    void chart()
    {
        pulsara::ChartDialog chart(fake.ui, "Mary Jones", {7, 4, 1985}, {12, 9, 2026});
        keep(chart, "pulsara-chart");
    }

    void calendar()
    {
        const auto stars = numerology::ComputeStarNumbers({3, 14, 1975}, {10, 2, 1950}, {12, 31, 1945});
        zendary::StarsCalendarDialog calendar(fake.ui, stars, {12, 9, 2026});
        keep(calendar, "zendary-calendar");
    }
};

MYSTORIN_WINDOW_TEST(dark_screenshots, DarkScreenshotsTest);

}  // namespace dark_screenshots

#include "dark_screenshots.moc"
