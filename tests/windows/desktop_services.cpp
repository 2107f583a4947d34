// The desktop's side of the seams where a user meets it: Ctrl+C in a real message box,
// and a report opening in the suite's own viewer when the desktop has no viewer.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "shell/gui/qt_services.h"
#include "tests/support/window_test.h"
#include "tests/support/window_checks.h"

namespace desktop_services {

class DesktopServicesTest : public QObject {
    Q_OBJECT

    // Runs `check` on the modal window that the next call opens, then closes that window.
    template <typename Check>
    void onNextModal(Check check)
    {
        QTimer::singleShot(0, this, [check] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            check(*modal);
            modal->close();
        });
    }

private slots:
    void ctrlCInABoxCopiesCaptionAndText()
    {
        QApplication::clipboard()->clear();
        onNextModal([](QWidget& box) {
            // Whatever has the focus: here the OK button.
            QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, Qt::Key_C, Qt::ControlModifier);
        });
        shell::QtUi ui;
        static_cast<shell::Ui&>(ui).info("LUCKY NUMBERS", "Your lucky numbers are 3, 7 and 9");
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("---------------------------\nLUCKY NUMBERS\n---------------------------\n"
                         "Your lucky numbers are 3, 7 and 9\n---------------------------\n"));
    }

    void aReportOpensInTheOwnViewerWhenTheDesktopHasNone()
    {
        QTemporaryDir dir;
        const QString report = dir.filePath("3-12-2005.txt");
        QVERIFY(writeTestFile(report, "Daily report\n<b>not markup</b>\n"));
        // No xdg-open on the search path: the desktop cannot open anything.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8());
        QString shown;
        onNextModal([&shown](QWidget& viewer) {
            QCOMPARE(viewer.objectName(), QString("documentViewer"));
            shown = viewer.findChild<QTextBrowser*>("documentText")->toPlainText();
        });
        shell::QtUi ui;
        shell::DesktopOpener(ui).open(report.toStdString());
        qputenv("PATH", path);
        QCOMPARE(shown, QString("Daily report\n<b>not markup</b>\n"));
    }

    void aDocumentItCannotShowGetsABoxNamingFileAndFolder()
    {
        QTemporaryDir dir;
        const QString document = dir.filePath("demo.rtf");
        QVERIFY(writeTestFile(document, {}));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8());
        QString text;
        onNextModal([&text](QWidget& box) { text = static_cast<QMessageBox&>(box).text(); });
        shell::QtUi ui;
        shell::DesktopOpener(ui).open(document.toStdString());
        qputenv("PATH", path);
        QVERIFY2(text.contains("File: demo.rtf\nFolder: " + QDir(dir.path()).absolutePath()), qPrintable(text));
    }
};

MYSTORIN_WINDOW_TEST(desktop_services, DesktopServicesTest);

}  // namespace desktop_services

#include "desktop_services.moc"
