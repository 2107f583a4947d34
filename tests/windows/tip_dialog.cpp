// The tip of the day keeps its size whatever the tips file holds: a word of hundreds of
// letters wraps anywhere inside the dialog instead of widening it.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTemporaryDir>
#include <QTest>

#include "shell/gui/tip_dialog.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_checks.h"
#include "tests/support/window_test.h"

namespace tip_dialog {

class TipDialogTest : public QObject {
    Q_OBJECT

    static QSize shownSize(const std::string& tip)
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
        auto* text = dialog.findChild<QPlainTextEdit*>(controlName(shell::kTipTextId));
        // The whole tip is there, and every line of it fits the width of the text.
        const std::string shown = tip.substr(0, std::min(tip.find('\n'), std::size_t(999)));
        if (text->toPlainText().toStdString() != shown)
            qFatal("the tip is not shown whole");
        const QTextLayout* layout = text->document()->firstBlock().layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            if (layout->lineAt(i).naturalTextWidth() > text->viewport()->width())
                qFatal("line %d of the tip is %g px wide, in %d px", i, layout->lineAt(i).naturalTextWidth(),
                       text->viewport()->width());
        return dialog.size();
    }

private slots:
    void aLongWordWrapsAnywhereAndTheDialogKeepsItsSize()
    {
        const QSize usual = shownSize("A short tip.\n");
        QCOMPARE(shownSize(std::string(999, 'w') + "\n"), usual);
        QCOMPARE(shownSize(std::string(5000, 'm')), usual);
        QVERIFY(usual.width() <= 400 && usual.height() <= 300);
    }
};

MYSTORIN_WINDOW_TEST(tip_dialog, TipDialogTest);

}  // namespace tip_dialog

#include "tip_dialog.moc"
