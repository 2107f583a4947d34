// The report viewer and the help window on documents made to hang, bloat or crash them
// (a report changed on disk, a help file replaced): each is laid out and painted within a
// second of processor time, and nothing outside the document's folder is read: no device,
// no pipe, no other folder, no name looked up from the current folder.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "pair/pair_html.h"
#include "shell/gui/document_browser.h"
#include "shell/gui/document_viewer.h"
#include "shell/gui/help_window.h"
#include "shell/shown_document.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_test.h"
#include "tests/support/window_checks.h"
#include "zendary/readings/report_html.h"

namespace hostile_documents {

// The bounds of a window's answer, looser for a build with AddressSanitizer.
#ifdef __SANITIZE_ADDRESS__
constexpr double kBoundSeconds = 4.0;
constexpr long kBoundMegabytes = 1500;
#else
constexpr double kBoundSeconds = 1.0;
constexpr long kBoundMegabytes = 400;
#endif

double processorSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// Lays the whole document out and paints its first and last screen, as a user would see.
void layOutAndPaint(QTextBrowser& browser)
{
    browser.window()->show();
    browser.window()->grab();
    browser.verticalScrollBar()->setValue(browser.verticalScrollBar()->maximum());
    browser.window()->grab();
    QApplication::processEvents();
}

QByteArray repeated(const QByteArray& piece, int times)
{
    return piece.repeated(times);
}

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The size of the picture a page got for `name`: 1x1 is the placeholder of a refused one.
QSize pictureSize(QTextBrowser& browser, const QString& name)
{
    const QVariant got = browser.document()->resource(QTextDocument::ImageResource, QUrl(name));
    if (got.userType() == QMetaType::QImage)
        return got.value<QImage>().size();
    if (got.userType() == QMetaType::QPixmap)  // what the document makes of bytes
        return got.value<QPixmap>().size();
    return QImage::fromData(got.toByteArray()).size();
}

class HostileDocumentsTest : public QObject {
    Q_OBJECT

    FakeServices fake;
    QTemporaryDir dir;

    // The viewer on `content` saved as `name`: the processor time it took to show it.
    double viewed(const QString& name, const QByteArray& content, QString* shown = nullptr)
    {
        const QString file = dir.filePath(name);
        if (!writeTestFile(file, content))
            return -1;
        const double start = processorSeconds();
        shell::DocumentViewer viewer(fake.ui, file);
        auto* browser = viewer.findChild<QTextBrowser*>();
        layOutAndPaint(*browser);
        const double took = processorSeconds() - start;
        if (shown)
            *shown = browser->toPlainText();
        return took;
    }

    // The help window on `content`: the processor time it took to show it.
    double helped(const QByteArray& content, QString* shown = nullptr)
    {
        const QString file = dir.filePath("Zdr.hlp");
        if (!writeTestFile(file, content))
            return -1;
        const QWidgetList before = QApplication::topLevelWidgets();
        const double start = processorSeconds();
        shell::showHelpWindow(file);
        QTextBrowser* browser = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (!before.contains(widget) && widget->isVisible())
                browser = widget->findChild<QTextBrowser*>();
        if (!browser)
            return -1;
        layOutAndPaint(*browser);
        const double took = processorSeconds() - start;
        if (shown)
            *shown = browser->toPlainText();
        browser->window()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return took;
    }

private slots:
    void initTestCase()
    {
        // A document that blocks the window fails the test instead of hanging it.
        signal(SIGALRM, SIG_DFL);
        alarm(240);
    }

    void viewerShowsLargeTextReportsAtOnce_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("cut");
        QTest::newRow("one 4 MB line") << QByteArray(4 << 20, 'x') << true;
        QTest::newRow("one 16 MB line of words") << repeated("word ", (16 << 20) / 5) << true;
        QTest::newRow("16 MB of lines") << repeated("Ballora Report For: anna lee\n", (16 << 20) / 29) << true;
        QTest::newRow("CR-only line ends") << repeated("a line\r", 200000) << true;
        QTest::newRow("mixed line ends") << repeated("one\rtwo\r\nthree\n", 1000) << false;
    }

    void viewerShowsLargeTextReportsAtOnce()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, cut);
        QString shown;
        const double took = viewed("report.txt", content, &shown);
        QVERIFY2(took >= 0 && took < kBoundSeconds, qPrintable(QString::number(took) + " s"));
        QCOMPARE(shown.endsWith(shell::cutNote()), cut);
        QVERIFY(!shown.contains(u'\r'));
        if (!cut)
            QVERIFY(shown.startsWith("one\ntwo\nthree\none\n"));
    }

    void viewerShowsLargeOrDeepPagesAtOnce_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("note");
        QTest::newRow("one 4 MB word") << "<html><body><p>" + QByteArray(4 << 20, 'x') + "</p></body></html>"
                                       << shell::cutNote();
        QTest::newRow("2,000 nested tables")
            << repeated("<table><tr><td>", 2000) + "x" + repeated("</td></tr></table>", 2000) << shell::flattenedNote();
        QTest::newRow("a 300x300 table") << "<table>" + repeated("<tr>" + repeated("<td>1</td>", 300) + "</tr>", 300) +
                                                "</table>"
                                         << shell::flattenedNote();
        QTest::newRow("huge picture sizes")
            << repeated("<img src=\"none.png\" width=\"30000\" height=\"30000\">", 50) << QString();
    }

    void viewerShowsLargeOrDeepPagesAtOnce()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, note);
        QString shown;
        const double took = viewed("report.html", content, &shown);
        QVERIFY2(took >= 0 && took < kBoundSeconds, qPrintable(QString::number(took) + " s"));
        if (!note.isEmpty())
            QVERIFY(shown.contains(note));
    }

    void helpWindowShowsDeepMarkupAtOnce_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("flattened");
        const auto nested = [](const QByteArray& open, const QByteArray& close, int depth) {
            return "<html><body>" + repeated(open, depth) + "x" + repeated(close, depth) + "</body></html>";
        };
        QTest::newRow("20 nested tables") << nested("<table><tr><td>", "</td></tr></table>", 20) << true;
        QTest::newRow("30 nested tables") << nested("<table><tr><td>", "</td></tr></table>", 30) << true;
        QTest::newRow("5,000 nested tables") << nested("<table><tr><td>", "</td></tr></table>", 5000) << true;
        QTest::newRow("5,000 unclosed tables") << nested("<table><tr><td>", "", 5000) << true;
        QTest::newRow("100,000 nested divs") << nested("<div>", "</div>", 100000) << true;
        QTest::newRow("50,000 nested lists") << nested("<ul><li>", "</li></ul>", 50000) << true;
        QTest::newRow("100,000 nested b and i") << nested("<b><i>", "</i></b>", 50000) << true;
        QTest::newRow("4 nested tables") << nested("<table><tr><td>", "</td></tr></table>", 4) << false;
        QTest::newRow("10,000 unclosed paragraphs") << nested("<p>x", "", 10000) << false;
        QTest::newRow("100,000 unclosed paragraphs") << nested("<p>x", "", 100000) << true;
    }

    void helpWindowShowsDeepMarkupAtOnce()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, flattened);
        QString shown;
        const double took = helped(content, &shown);
        QVERIFY2(took >= 0 && took < kBoundSeconds, qPrintable(QString::number(took) + " s"));
        QCOMPARE(shown.startsWith(shell::flattenedNote()), flattened);
    }

    void pagesGetResourcesOnlyFromTheirOwnFolder()
    {
        // A pipe outside the folder (opening it to read would wait for a writer for good),
        // a picture outside and one in the current folder, devices by name and by URL.
        QTemporaryDir outside, current;
        const QString pipe = outside.filePath("pipe.png");
        QCOMPARE(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
        QVERIFY(writeTestFile(outside.filePath("outside.png"), png(3, 2)));
        QVERIFY(writeTestFile(current.filePath("cwd.png"), png(3, 2)));
        QDir(dir.path()).mkdir("pages");
        const QString folder = dir.filePath("pages");
        QVERIFY(writeTestFile(folder + "/inside.png", png(5, 4)));
        QVERIFY(writeTestFile(folder + "/broken.png", "\x89PNG\r\n\x1a\n not a picture"));
        QVERIFY(QFile::link(pipe, folder + "/link.png"));
        const QStringList refused = {"/dev/zero",
                                     "file:///dev/zero",
                                     "/dev/urandom",
                                     pipe,
                                     "file://" + pipe,
                                     "link.png",
                                     "../outside.png",
                                     outside.filePath("outside.png"),
                                     "cwd.png",
                                     "broken.png",
                                     "http://example.com/a.png"};
        QByteArray page = "<html><head><link rel=\"stylesheet\" href=\"/dev/zero\"></head><body>"
                          "<img src=\"inside.png\">";
        for (const QString& name : refused)
            page += "<img src=\"" + name.toUtf8() + "\">";
        page += "</body></html>";
        const QString previous = QDir::currentPath();
        QDir::setCurrent(current.path());
        for (const QString& name : {QString("report.html"), QString("Zdr.hlp")}) {
            QVERIFY(writeTestFile(folder + "/" + name, page));
            const double start = processorSeconds();
            std::unique_ptr<shell::DocumentViewer> viewer;
            QTextBrowser* browser = nullptr;
            if (name == "report.html") {
                viewer = std::make_unique<shell::DocumentViewer>(fake.ui, folder + "/" + name);
                browser = viewer->findChild<QTextBrowser*>();
            } else {
                const QWidgetList before = QApplication::topLevelWidgets();
                shell::showHelpWindow(folder + "/" + name);
                for (QWidget* widget : QApplication::topLevelWidgets())
                    if (!before.contains(widget) && widget->isVisible())
                        browser = widget->findChild<QTextBrowser*>();
            }
            QVERIFY(browser);
            layOutAndPaint(*browser);
            QVERIFY(processorSeconds() - start < kBoundSeconds);
            QCOMPARE(pictureSize(*browser, "inside.png"), QSize(5, 4));
            for (const QString& other : refused)
                QVERIFY2(pictureSize(*browser, other) == QSize(1, 1), qPrintable(name + ": " + other));
            browser->window()->close();
        }
        QDir::setCurrent(previous);
    }

    void ourOwnDocumentsLookAsBefore()
    {
        // The shipped help and read-me files, and a report of each HTML kind, shown through
        // the bounds look pixel for pixel as they do laid out as they are.
        QStringList files;
        const QDir docs(QCoreApplication::applicationDirPath() + "/../share/mystorin");
        for (const QString& name : docs.entryList({"*.hlp", "*.html", "*.txt"}, QDir::Files))
            files << docs.filePath(name);
        QVERIFY(files.size() >= 6);
        std::string text;
        for (int line = 0; line < 60; ++line)
            text += "LUCKY NUMBERS\t9 6 15 & <more> for the line " + std::to_string(line) + "\n";
        QVERIFY(writeTestFile(dir.filePath("daily.html"), QByteArray::fromStdString(zendary::reportHtml(text))));
        QVERIFY(writeTestFile(dir.filePath("pair.html"), QByteArray::fromStdString(pairing::HtmlReport(text))));
        files << dir.filePath("daily.html") << dir.filePath("pair.html");
        for (const QString& file : files) {
            QFile in(file);
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QString raw = QString::fromUtf8(in.readAll());
            const bool html = !file.endsWith(".txt");
            QTextBrowser before;
            shell::DocumentBrowser after;
            if (html)
                before.setHtml(raw);
            else
                before.setPlainText(raw);
            QVERIFY(after.showFile(file, html, 1 << 20));
            for (QTextBrowser* browser : {&before, static_cast<QTextBrowser*>(&after)})
                browser->resize(560, 400);
            QVERIFY2(before.grab().toImage() == after.grab().toImage(), qPrintable(file));
            QCOMPARE(after.toPlainText(), before.toPlainText());
        }
    }

    void memoryStaysWithinAFewHundredMegabytes()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        QVERIFY2(usage.ru_maxrss < kBoundMegabytes * 1024, qPrintable(QString::number(usage.ru_maxrss / 1024) + " MB"));
    }
};

MYSTORIN_WINDOW_TEST(hostile_documents, HostileDocumentsTest);

}  // namespace hostile_documents

#include "hostile_documents.moc"
