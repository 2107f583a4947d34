// A paste of any size is cut to the message box's limit before it is laid out: Zendary's
// PST, Lexivar's PASTE and Ctrl+V in either box take well under a second of processor time
// for 800,000 characters of one word, and keep the first characters up to the limit.
#include <ctime>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

#include "lexivar/window/lexivar_window.h"
#include "shell/gui/limited_text_edit.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_test.h"
#include "tests/support/window_checks.h"
#include "zendary/window/zendary_window.h"

namespace long_pastes {

// The bound of a window's answer, looser for a build with AddressSanitizer.
#ifdef __SANITIZE_ADDRESS__
constexpr double kBoundSeconds = 4.0;
#else
constexpr double kBoundSeconds = 1.0;
#endif

double processorSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

const QString kLongWord = QString(799999, u'a') + u'z';

// Presses the paste button (or Ctrl+V in the box) with kLongWord on the clipboard.
void checkPaste(QWidget& window, const QString& boxId, QPushButton* paste)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* box = window.findChild<shell::LimitedTextEdit*>(boxId);
    QVERIFY(box);
    QVERIFY(box->maxLength() > 0);
    QApplication::clipboard()->setText(kLongWord);
    double start = processorSeconds();
    if (paste) {
        paste->click();
    } else {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    box->grab();
    const double took = processorSeconds() - start;
    QVERIFY2(took < kBoundSeconds, qPrintable(QString::number(took) + " s"));
    QCOMPARE(box->toPlainText(), kLongWord.left(box->maxLength()));
}

class LongPastesTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void zendaryPstCutsFirst()
    {
        zendary::ZendaryWindow window(fake.services);
        checkPaste(window, controlName(zendary::kMessageId), buttonCaptioned(window, "PST"));
    }

    void zendaryCtrlVCutsFirst()
    {
        zendary::ZendaryWindow window(fake.services);
        checkPaste(window, controlName(zendary::kMessageId), nullptr);
    }

    void lexivarPasteCutsFirst()
    {
        lexivar::LexivarWindow window(fake.services);
        checkPaste(window, controlName(lexivar::kMessageId), buttonCaptioned(window, "&PASTE"));
    }

    void lexivarCtrlVKeepsOnlyTheRoomLeft()
    {
        lexivar::LexivarWindow window(fake.services);
        checkPaste(window, controlName(lexivar::kMessageId), nullptr);
        // A full box takes nothing more; a selection makes room for as much as it held.
        auto* box = window.findChild<shell::LimitedTextEdit*>(controlName(lexivar::kMessageId));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->toPlainText().size(), box->maxLength());
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        QApplication::clipboard()->setText("0123456789ABC");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(box->toPlainText().startsWith("0123456789aaa"));
        QCOMPARE(box->toPlainText().size(), box->maxLength());
    }
};

MYSTORIN_WINDOW_TEST(long_pastes, LongPastesTest);

}  // namespace long_pastes

#include "long_pastes.moc"
