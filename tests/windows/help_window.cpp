// The help window: a help file without line breaks and far beyond the size of a help
// file opens at once and stays usable; pictures and pages come only from the help
// file's own folder.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QScrollBar>
#include <QTextBrowser>

#include "shell/gui/help_window.h"
#include "tests/support/window_test.h"

namespace help_window {

class HelpWindowTest : public QObject {
    Q_OBJECT

    static void write(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Shows the help file and returns its browser, once the window is on screen.
    static QTextBrowser* shown(const QString& file)
    {
        const QWidgetList before = QApplication::topLevelWidgets();
        shell::showHelpWindow(file);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (before.contains(widget) || !widget->isVisible())
                continue;
            if (!QTest::qWaitForWindowExposed(widget))
                return nullptr;
            return widget->findChild<QTextBrowser*>();
        }
        return nullptr;
    }

private slots:
    void aHugeOneLineHelpFileOpensAtOnce()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("Zdr.hlp");
        write(file, "<HTML><BODY><P>" + QByteArray(16 * 1024 * 1024, 'x') + "</P></BODY></HTML>");
        QElapsedTimer timer;
        timer.start();
        QTextBrowser* browser = shown(file);
        QVERIFY(browser);
        QVERIFY(!browser->toPlainText().isEmpty());
        browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
        QApplication::processEvents();
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed()) + " ms"));
        browser->window()->close();
    }

    void picturesComeOnlyFromTheHelpFolder()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("help");
        const QString folder = dir.filePath("help");
        const QByteArray png = QByteArray::fromBase64(
            "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==");
        write(folder + "/inside.png", png);
        write(dir.filePath("outside.png"), png);
        QFile::link("/dev/zero", folder + "/zero.png");
        write(folder + "/Zdr.hlp", "<HTML><BODY><IMG SRC=\"inside.png\"><IMG SRC=\"../outside.png\">"
                                   "<IMG SRC=\"/dev/zero\"><IMG SRC=\"zero.png\">"
                                   "<IMG SRC=\"http://example.com/a.png\"></BODY></HTML>");
        QTextBrowser* browser = shown(folder + "/Zdr.hlp");
        QVERIFY(browser);
        QCOMPARE(browser->loadResource(QTextDocument::ImageResource, QUrl("inside.png")).toByteArray(), png);
        for (const char* elsewhere : {"../outside.png", "/dev/zero", "zero.png", "http://example.com/a.png"})
            QVERIFY2(browser->loadResource(QTextDocument::ImageResource, QUrl(elsewhere)).toByteArray().isEmpty(),
                     elsewhere);
        browser->window()->close();
    }
};

MYSTORIN_WINDOW_TEST(help_window, HelpWindowTest);

}  // namespace help_window

#include "help_window.moc"
