// Pictures stay legible under the light default, a dark and a high-contrast palette:
// every glyph and picture of a main window that carries meaning stands out from the
// window by 3:1, the meters from their ground, and the chart's and the calendar's colours
// from their own paper (text 4.5:1).
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include "pulsara/window/chart_painting.h"
#include "shell/gui/contrast.h"
#include "shell/gui/decoration.h"
#include "shell/gui/program.h"
#include "shell/gui/suite_look.h"
#include "tests/support/fake_services.h"
#include "tests/support/palettes.h"
#include "tests/support/suite_programs.h"
#include "tests/support/window_test.h"
#include "zendary/window/stars_calendar_page.h"

const shell::Program& mystorin_program_zendary();

namespace theme_contrast {

// A label that shows a picture: a pixmap, or a symbol such as a zodiac sign.
bool isPicture(const QLabel& label)
{
    const QString text = label.text();
    return !label.pixmap().isNull() || (text.size() == 1 && text[0].category() == QChar::Symbol_Other);
}

// The strongest contrast any pixel of the widget has with its background (the corner):
// antialiased edges only ever lower it, so this is the ink's own.
double inkContrast(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    const QColor background = image.pixelColor(0, 0);
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, shell::contrastRatio(image.pixelColor(x, y), background));
    return best;
}

QString describe(const QWidget& widget)
{
    QString where = widget.objectName();
    if (where.isEmpty() && widget.parentWidget())
        where = "in " + widget.parentWidget()->objectName() + " " + widget.parentWidget()->metaObject()->className();
    return QString("%1 \"%2\"").arg(widget.metaObject()->className(), where);
}

QStringList failingColours(const std::vector<shell::PaintedColour>& colours)
{
    QStringList problems;
    for (const shell::PaintedColour& painted : colours)
        for (const QColor& background : painted.backgrounds)
            if (shell::contrastRatio(painted.colour, background) < painted.minimum)
                problems << QString("%1 %2 on %3: %4")
                                .arg(painted.what, painted.colour.name(), background.name())
                                .arg(shell::contrastRatio(painted.colour, background), 0, 'f', 2);
    return problems;
}

class ThemeContrastTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void initTestCase() { shell::applySuiteLook(mystorin_program_zendary()); }
    void cleanup() { QApplication::setPalette(QApplication::style()->standardPalette()); }

    void picturesStandOutFromTheWindow_data()
    {
        QTest::addColumn<const shell::Program*>("program");
        QTest::addColumn<QPalette>("palette");
        for (const shell::Program* program : suitePrograms())
            for (const auto& [name, palette] : testedPalettes())
                QTest::addRow("%s %s", program->name.c_str(), name) << program << palette;
    }

    void picturesStandOutFromTheWindow()
    {
        QFETCH(const shell::Program*, program);
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        std::unique_ptr<QDialog> window = program->makeWindow(fake.services);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QStringList problems;
        int pictures = 0;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisible() || shell::isDecoration(label) || !isPicture(*label))
                continue;
            ++pictures;
            if (const double contrast = inkContrast(*label); contrast < shell::kGraphicContrast)
                problems << QString("%1: %2").arg(describe(*label)).arg(contrast, 0, 'f', 2);
        }
        // A meter's bar against its empty part and the window around it.
        for (QProgressBar* meter : window->findChildren<QProgressBar*>()) {
            const QPalette& p = meter->palette();
            ++pictures;
            for (auto role : {QPalette::Base, QPalette::Window})
                if (const double contrast = shell::contrastRatio(p.color(QPalette::Highlight), p.color(role));
                    contrast < shell::kGraphicContrast)
                    problems << QString("meter %1 on %2: %3")
                                    .arg(meter->objectName(), p.color(role).name())
                                    .arg(contrast, 0, 'f', 2);
        }
        qInfo("%s: %d of %d pictures and meters below 3:1", QTest::currentDataTag(), int(problems.size()), pictures);
        if (!problems.isEmpty())
            QFAIL(qPrintable(problems.join('\n')));
    }

    void theChartsColoursStandOutFromItsPaper() { QCOMPARE(failingColours(pulsara::chartColours()), QStringList()); }

    void theCalendarsColoursStandOutFromItsPaper()
    {
        QCOMPARE(failingColours(zendary::calendarColours()), QStringList());
    }

    void aColourThatStandsOutStaysAsItIs()
    {
        const QColor purple(0x3c, 0x28, 0x8c);
        QCOMPARE(shell::legibleOn(purple, {QColor(0xef, 0xef, 0xef)}, 3), purple);
        QCOMPARE(shell::onWindow(purple, QApplication::style()->standardPalette()), purple);
    }

    void onADarkGroundAColourGrowsLighterInItsOwnHue()
    {
        const QColor purple(0x3c, 0x28, 0x8c), ground(0x22, 0x20, 0x20);
        QCOMPARE(QString::number(shell::contrastRatio(purple, ground), 'f', 2), QString("1.45"));
        const QColor lighter = shell::legibleOn(purple, {ground}, 3);
        QVERIFY(shell::contrastRatio(lighter, ground) >= 3);
        QVERIFY(shell::contrastRatio(lighter, ground) < 3.3);  // no lighter than it needs
        QVERIFY(std::abs(lighter.hslHue() - purple.hslHue()) <= 2);
        // Against black and white at once nothing can reach 21:1 but black or white itself.
        QCOMPARE(shell::legibleOn(QColor(128, 128, 128), {Qt::black}, 21), QColor(Qt::white));
    }

    void contrastIsMeasuredAsTheGuidelinesDo()
    {
        QCOMPARE(shell::contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(shell::contrastRatio(Qt::white, Qt::white), 1.0);
        // #767676 on white is the classic smallest grey for text: 4.54:1.
        QCOMPARE(QString::number(shell::contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 'f', 2), QString("4.54"));
    }
};

MYSTORIN_WINDOW_TEST(theme_contrast, ThemeContrastTest);

}  // namespace theme_contrast

#include "theme_contrast.moc"
