// What leaves the printing windows: the chart as a sharp PNG and as a PDF, written whole
// or not at all; the viewer's buttons; the print dialog going through the Ui seam.
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "pulsara/window/chart_dialog.h"
#include "shell/gui/document_viewer.h"
#include "tests/support/window_test.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_checks.h"

namespace printing {

// A Ui that records the dialogs it is asked to run and cancels each.
class CancellingUi : public FakeUi {
public:
    int exec(QDialog& dialog) override
    {
        titles << dialog.windowTitle();
        kinds << (qobject_cast<QPrintDialog*>(&dialog) ? "print" : "other");
        return QDialog::Rejected;
    }
    QStringList titles, kinds;
};

// A Ui whose print dialog prints to the PDF file `target`, as "Print to File" does.
class PrintingToFileUi : public FakeUi {
public:
    explicit PrintingToFileUi(QString target) : target_(std::move(target)) {}
    int exec(QDialog& dialog) override
    {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        if (!print)
            return QDialog::Rejected;
        print->printer()->setOutputFileName(target_);
        return QDialog::Accepted;
    }

private:
    QString target_;
};

QPushButton* button(QWidget& window, const QString& caption)
{
    for (auto* b : window.findChildren<QPushButton*>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

class PrintingTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void theChartSavesAPictureAtTwiceItsSize()
    {
        QTemporaryDir dir;
        pulsara::ChartDialog chart(fake.ui, "A", {1, 1, 2000}, {3, 1, 2000});
        const QString file = dir.filePath("chart.png");
        QVERIFY(chart.saveAsPng(file));
        QImage picture(file);
        QCOMPARE(picture.size(), QSize(1520, 760));
        // Not blank: the curves are drawn in their colours.
        bool red = false;
        for (int y = 0; y < picture.height() && !red; y += 2)
            for (int x = 0; x < picture.width() && !red; x += 2)
                red = picture.pixelColor(x, y) == QColor(200, 40, 40);
        QVERIFY(red);
    }

    void aPdfThatCannotBeWrittenLeavesNothingAndSaysSo()
    {
        QTemporaryDir dir;
        pulsara::ChartDialog chart(fake.ui, "A", {1, 1, 2000}, {3, 1, 2000});
        QVERIFY(!chart.saveAsPdf(dir.filePath("no such folder/chart.pdf")));
        QVERIFY(!QFile::exists(dir.filePath("no such folder")));
        const QString good = dir.filePath("chart.pdf");
        QVERIFY(chart.saveAsPdf(good));
        QFile pdf(good);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
        // A PNG to a missing folder: the user is told, nothing is written.
        fake.ui.boxes.clear();
        QVERIFY(!chart.saveAsPng(dir.filePath("no such folder/chart.png")));
        QCOMPARE(fake.ui.boxes.size(), std::size_t(1));
    }

    void printAndSaveGoThroughTheUiAndACancelDoesNothing()
    {
        QTemporaryDir dir;
        const QString report = dir.filePath("report.txt");
        QVERIFY(writeTestFile(report, "Ballora Report For: anna lee\n"));
        CancellingUi ui;
        shell::DocumentViewer viewer(ui, report);
        QVERIFY(viewer.loaded());
        button(viewer, "&Print...")->click();
        button(viewer, "Save as P&DF...")->click();
        QCOMPARE(ui.kinds, QStringList({"print", "other"}));
        QCOMPARE(ui.titles.first(), QString("Print report.txt - Mystorin"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.txt"});
    }

    void printingToAFileWritesItWholeOrKeepsTheOldOne()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("printed.pdf");
        QVERIFY(writeTestFile(target, "old"));
        PrintingToFileUi ui(target);
        pulsara::ChartDialog chart(ui, "A", {1, 1, 2000}, {3, 1, 2000});
        button(chart, "&Print...")->click();
        QFile pdf(target);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
        QVERIFY(ui.boxes.empty());
        // A folder where the file should be: it stays, and the user is told.
        QDir(dir.path()).mkpath("folder.pdf/inside");
        PrintingToFileUi refused(dir.filePath("folder.pdf"));
        pulsara::ChartDialog again(refused, "A", {1, 1, 2000}, {3, 1, 2000});
        button(again, "&Print...")->click();
        QVERIFY(QFileInfo(dir.filePath("folder.pdf/inside")).isDir());
        QCOMPARE(refused.boxes.size(), std::size_t(1));
        QVERIFY(refused.boxes[0].icon == shell::Icon::Stop);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"folder.pdf", "printed.pdf"}));
    }

    void theViewerRefusesWhatIsNotARegularTextFile()
    {
        shell::DocumentViewer devices(fake.ui, "/dev/zero");
        QVERIFY(!devices.loaded());
        QTemporaryDir dir;
        shell::DocumentViewer folder(fake.ui, dir.path() + "/");
        QVERIFY(!folder.loaded());
    }
};

MYSTORIN_WINDOW_TEST(printing, PrintingTest);

}  // namespace printing

#include "printing.moc"
