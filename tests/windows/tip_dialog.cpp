// The tip of the day keeps its size whatever the tips file holds: a word of hundreds of
// letters wraps anywhere inside the dialog instead of widening it, and a tip taller than the
// view scrolls, by the mouse or by the keys.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "shell/gui/tip_dialog.h"
#include "shell/gui/tip_text.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_checks.h"
#include "tests/support/window_test.h"

namespace tip_dialog {

class TipDialogTest : public QObject {
    Q_OBJECT

    struct Shown {
        QSize dialog;
        bool scrolls = false;
        bool tabStop = false;        // the Tab key reaches the tip
        bool endKeyScrolls = false;  // End, there, shows the tip's last line
        QString accessibleName;
    };

    static Shown show(const std::string& tip)
    {
        QTemporaryDir root;
        FakePaths paths(root.path().toStdString());
        QDir().mkpath(QString::fromStdString(paths.docsDir()));
        QFile file(QString::fromStdString(paths.docs("tips.txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(tip.data(), qint64(tip.size())) != qint64(tip.size()))
            qFatal("cannot write the tips file");
        file.close();
        shell::TipDialog dialog({"tips.txt", "Zendary Tip of the Day", "Get Zendary Tip", "Launch Zendary"}, paths,
                                "zendary");
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            qFatal("the dialog did not show");
        auto* text = dialog.findChild<shell::TipText*>(controlName(shell::kTipTextId));
        // The whole tip is there, and every line of it fits the width of the text.
        const std::string shown = tip.substr(0, std::min(tip.find('\n'), std::size_t(999)));
        if (text->text().toStdString() != shown)
            qFatal("the tip is not shown whole");
        if (text->widestLine() > text->lineWidth())
            qFatal("a line of the tip is %g px wide, in %d px", text->widestLine(), text->lineWidth());
        const QScrollBar* bar = text->findChild<QScrollBar*>();
        Shown result{dialog.size(), bar && bar->isVisible(), bool(text->focusPolicy() & Qt::TabFocus), false, {}};
        if (result.scrolls && (bar->maximum() <= 0 || bar->geometry().right() > text->width()))
            qFatal("the scroll bar cannot reach the end of the tip");
        if (result.scrolls) {
            QTest::keyClick(text, Qt::Key_End);
            result.endKeyScrolls = bar->value() == bar->maximum();
        }
        if (QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(text))
            result.accessibleName = reader->text(QAccessible::Name);
        return result;
    }

private slots:
    void aLongWordWrapsAnywhereAndTheDialogKeepsItsSize()
    {
        const Shown usual = show("A short tip.\n");
        QVERIFY(!usual.scrolls);
        QVERIFY(!usual.tabStop);
        QCOMPARE(show(std::string(999, 'w') + "\n").dialog, usual.dialog);
        QCOMPARE(show(std::string(5000, 'm')).dialog, usual.dialog);
        QVERIFY(usual.dialog.width() <= 400 && usual.dialog.height() <= 300);
    }

    void aTipTallerThanTheViewScrolls()
    {
        std::string words;
        while (words.size() < 990)
            words += "many words ";
        const Shown tall = show(words + "\n");
        QVERIFY(tall.scrolls);
        QVERIFY(tall.tabStop);
        QVERIFY(tall.endKeyScrolls);
        QCOMPARE(tall.dialog, show("A short tip.\n").dialog);
    }

    // A screen reader reads the tip as it stands, '&' included.
    void theTipIsReadWhole() { QCOMPARE(show("Press &DEF & read.\n").accessibleName, QString("Press &DEF & read.")); }
};

MYSTORIN_WINDOW_TEST(tip_dialog, TipDialogTest);

}  // namespace tip_dialog

#include "tip_dialog.moc"
