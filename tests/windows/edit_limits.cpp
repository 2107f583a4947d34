// An edit at its limit keeps whole characters, whether the text is pasted, set or typed.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "shell/gui/limited_text_edit.h"
#include "shell/gui/program_dialog.h"
#include "tests/support/window_test.h"

namespace edit_limits {

class EditLimitsTest : public QObject {
    Q_OBJECT

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // two units of the limit

private slots:
    void aLineEditNeverKeepsHalfACharacter()
    {
        QDialog window;
        QLineEdit* edit = shell::makeEdit(&window, 1000, "name", "Name", 5);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        edit->setFocus();
        QApplication::clipboard()->setText("abcd" + emoji + "xyz");
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString("abcd"));
        edit->setText("abc" + emoji + emoji);
        QCOMPARE(edit->text(), "abc" + emoji);
        edit->setText("abcd");
        edit->insert(emoji);  // as typing it would
        QCOMPARE(edit->text(), QString("abcd"));
    }

    void aMultiLineEditNeverKeepsHalfACharacter()
    {
        shell::LimitedTextEdit edit;
        edit.setMaxLength(5);
        edit.setPlainText("abcd" + emoji);
        QCOMPARE(edit.toPlainText(), QString("abcd"));
        edit.setPlainText("abc" + emoji + "z");
        QCOMPARE(edit.toPlainText(), "abc" + emoji);
    }
};

MYSTORIN_WINDOW_TEST(edit_limits, EditLimitsTest);

}  // namespace edit_limits

#include "edit_limits.moc"
