// One font family in every kind of window a program shows (main window, message box,
// help window, viewer, print and file dialogs, menus), even where the desktop's theme
// gives some kinds of widget fonts of their own; and the family is really installed.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "shell/gui/document_viewer.h"
#include "shell/gui/help_window.h"
#include "shell/gui/program.h"
#include "shell/gui/suite_look.h"
#include "tests/support/fake_services.h"
#include "tests/support/window_test.h"

const shell::Program& mystorin_program_zendary();

namespace suite_font {

const QString kFamily = "Liberation Serif";

// A zodiac sign's picture: the one text the suite draws in DejaVu Sans, which has the signs.
bool isZodiacSign(QWidget* widget)
{
    auto* label = qobject_cast<QLabel*>(widget);
    return label && label->text().size() == 1 && label->text()[0].unicode() >= 0x2648 &&
           label->text()[0].unicode() <= 0x2653;
}

// Every widget of the window, the window included, uses the suite's family.
void checkFamily(QWidget& window, const char* what)
{
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (isZodiacSign(widget)) {
            if (QFontInfo(widget->font()).family() != "DejaVu Sans")
                QFAIL("a zodiac sign is not drawn in DejaVu Sans");
            continue;
        }
        if (widget->font().family() != kFamily || QFontInfo(widget->font()).family() != kFamily)
            QFAIL(qPrintable(QString("%1: %2 draws in %3")
                                 .arg(what, widget->metaObject()->className(), QFontInfo(widget->font()).family())));
    }
}

class SuiteFontTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void initTestCase()
    {
        // What a desktop theme does: fonts of its own for some kinds of widget.
        const QFont desktop("DejaVu Sans", 11);
        for (const char* kind : {"QMessageBox", "QMessageBoxLabel", "QLabel", "QPushButton", "QMenu",
                                 "QAbstractItemView", "QTextEdit", "QHeaderView", "QTipLabel"})
            QApplication::setFont(desktop, kind);
        shell::applySuiteLook(mystorin_program_zendary());
    }

    void everyKindOfWindowDrawsInTheSuitesFamily()
    {
        std::unique_ptr<QDialog> main = mystorin_program_zendary().makeWindow(fake.services);
        checkFamily(*main, "the main window");

        QMessageBox box(QMessageBox::Information, "CAPTION", "A text.", QMessageBox::Ok);
        checkFamily(box, "a message box");

        QTemporaryDir dir;
        const QString help = dir.filePath("Zdr.hlp");
        QFile file(help);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><h1>Help</h1><p>Some help.</p></body></html>");
        file.close();
        shell::showHelpWindow(help);
        QWidget* helpWindow = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->findChild<QTextBrowser*>())
                helpWindow = top;
        QVERIFY(helpWindow);
        checkFamily(*helpWindow, "the help window");
        helpWindow->close();

        const QString report = dir.filePath("report.txt");
        QFile text(report);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("A report.\n");
        text.close();
        shell::DocumentViewer viewer(fake.ui, report);
        QVERIFY(viewer.loaded());
        checkFamily(viewer, "the viewer");

        QPrinter printer;
        QPrintDialog print(&printer, &viewer);
        checkFamily(print, "the print dialog");
        QFileDialog save(&viewer, "Save as PDF", dir.path());
        save.setOption(QFileDialog::DontUseNativeDialog);
        checkFamily(save, "the file dialog");

        QMenu menu;
        menu.addAction("&About Zendary 2000");
        checkFamily(menu, "a context menu");
    }
};

MYSTORIN_WINDOW_TEST(suite_font, SuiteFontTest);

}  // namespace suite_font

#include "suite_font.moc"
