// The help window's and the report viewer's document as a screen reader reads it: its
// text through the text interface, its headings and links as parts of their own, and a
// link followed from its action.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

#include "shell/gui/document_browser.h"
#include "tests/support/window_test.h"

namespace document_reading {

class DocumentReadingTest : public QObject {
    Q_OBJECT

private slots:
    void headingsLinksAndText()
    {
        shell::DocumentBrowser browser;
        browser.setHtml("<h1>Zendary Help</h1><p>Read <a href=\"stars.html\">the <b>stars</b></a> first.</p>"
                        "<h2>Readings</h2><p>Plain words.</p>");
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        QAccessibleInterface* document = QAccessible::queryAccessibleInterface(&browser);
        QCOMPARE(document->role(), QAccessible::Document);
        QVERIFY(document->state().readOnly);

        QAccessibleTextInterface* text = document->textInterface();
        QVERIFY(text);
        const QString all = text->text(0, text->characterCount());
        QCOMPARE(all, QString("Zendary Help\nRead the stars first.\nReadings\nPlain words."));
        int start = 0, end = 0;
        QVERIFY(text->attributes(0, &start, &end).contains("heading-level:1;"));
        const int link = int(all.indexOf("stars"));
        QVERIFY(text->attributes(link, &start, &end).contains("link:stars.html;"));
        QVERIFY(text->attributes(link, &start, &end).contains("font-weight:bold;"));
        QCOMPARE(text->text(start, end), QString("stars"));

        // In the order of the text: the heading, the link (one, across its two formats), the heading.
        QCOMPARE(document->childCount(), 3);
        QCOMPARE(document->child(0)->role(), QAccessible::Heading);
        QCOMPARE(document->child(0)->text(QAccessible::Name), QString("Zendary Help"));
        QCOMPARE(document->child(1)->role(), QAccessible::Link);
        QCOMPARE(document->child(1)->text(QAccessible::Name), QString("the stars"));
        QCOMPARE(document->child(2)->text(QAccessible::Name), QString("Readings"));
        QCOMPARE(document->child(2)->parent(), document);
        QVERIFY(document->rect().contains(document->child(0)->rect().center()));

        // The link's action follows it, as Enter on the link would.
        QAccessibleActionInterface* action = document->child(1)->actionInterface();
        QVERIFY(action);
        QVERIFY(!document->child(0)->actionInterface());
        QSignalSpy followed(&browser, &QTextBrowser::anchorClicked);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(followed.size(), 1);
        QCOMPARE(followed.at(0).at(0).toUrl(), QUrl("stars.html"));
    }

    void aPlainTextHasNoParts()
    {
        shell::DocumentBrowser browser;
        browser.setPlainText("Report\nline two");
        QAccessibleInterface* document = QAccessible::queryAccessibleInterface(&browser);
        QCOMPARE(document->childCount(), 0);
        QCOMPARE(document->textInterface()->text(0, 6), QString("Report"));
        QCOMPARE(document->textInterface()->characterCount(), 15);
    }
};

MYSTORIN_WINDOW_TEST(document_reading, DocumentReadingTest);

}  // namespace document_reading

#include "document_reading.moc"
