// The keyboard reaches every window's context menu: from each Tab position of every main
// window, the Menu key and Shift+F10 open one menu that holds the window's entries; in an
// edit they join the edit's own Cut, Copy and Paste.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "shell/gui/program.h"
#include "shell/gui/suite_look.h"
#include "tests/support/fake_services.h"
#include "tests/support/suite_programs.h"
#include "tests/support/window_test.h"

const shell::Program& mystorin_program_zendary();

namespace menu_keys {

// What one key press opened: each menu is noted and closed, since it would wait for a choice.
struct Opened {
    int menus = 0;
    QStringList items;
};

// Runs `act` and notes every menu it opens.
template <typename Act>
Opened noteMenus(Act act)
{
    auto opened = std::make_shared<Opened>();
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [opened] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            ++opened->menus;
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    opened->items << action->text();
            menu->close();
        }
    });
    watcher.start();
    act();
    QCoreApplication::processEvents();
    watcher.stop();
    return *opened;
}

Opened pressMenuKey(QDialog& window, QWidget* focus, int key, Qt::KeyboardModifiers modifiers)
{
    return noteMenus([&] {
        QTest::keyClick(focus, Qt::Key(key), modifiers);
        // After a Menu key press the X11 platform sends the window a request of its own.
        if (key == Qt::Key_Menu && window.windowHandle()) {
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), window.mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(window.windowHandle(), &request);
        }
    });
}

// The window's entries: what a right-click on its top margin, where no control is, shows.
QStringList windowEntries(QDialog& window)
{
    return noteMenus([&] {
               const QPoint at(window.width() / 2, 2);
               QContextMenuEvent click(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
               QApplication::sendEvent(&window, &click);
           })
        .items;
}

// Every control the Tab key can stop at, in the order it does.
QList<QWidget*> tabPositions(QWidget& window)
{
    QList<QWidget*> positions;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if (w->window() == &window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy())
            positions << w;
    return positions;
}

QString describe(QWidget* widget)
{
    return QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->objectName());
}

bool isEdit(QWidget* widget)
{
    auto* combo = qobject_cast<QComboBox*>(widget);
    return qobject_cast<QLineEdit*>(widget) || (combo && combo->isEditable()) || widget->inherits("QAbstractSpinBox") ||
           widget->inherits("QTextEdit") || widget->inherits("QPlainTextEdit");
}

class MenuKeysTest : public QObject {
    Q_OBJECT

    FakeServices fake;

private slots:
    void initTestCase() { shell::applySuiteLook(mystorin_program_zendary()); }

    void everyTabPositionOpensTheWindowsMenu_data() { addSuiteProgramRows(); }

    void everyTabPositionOpensTheWindowsMenu()
    {
        QFETCH(const shell::Program*, program);
        std::unique_ptr<QDialog> window = program->makeWindow(fake.services);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // Without a window manager (Xvfb) activation may not come back from the server.
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get(), 1000);
        const QStringList entries = windowEntries(*window);
        const QList<QWidget*> positions = tabPositions(*window);
        QVERIFY(!positions.isEmpty());
        QStringList problems;
        int reached[2] = {0, 0};
        const std::pair<int, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Menu, Qt::NoModifier},
                                                              {Qt::Key_F10, Qt::ShiftModifier}};
        for (QWidget* position : positions) {
            for (int k = 0; k < 2; ++k) {
                // A closed menu hands the activation back, as the desktop does.
                QApplication::setActiveWindow(window.get());
                position->setFocus(Qt::TabFocusReason);
                if (QApplication::focusWidget() != position)
                    problems << describe(position) + " takes no focus";
                const std::size_t boxes = fake.ui.boxes.size();
                const Opened opened = pressMenuKey(*window, position, keys[k].first, keys[k].second);
                const QString where = describe(position) + (k == 0 ? " Menu" : " Shift+F10");
                bool fine = false;
                if (!entries.isEmpty()) {
                    // One menu with every entry of the window; an edit's own entries stay first.
                    fine = opened.menus == 1 && opened.items.mid(opened.items.size() - entries.size()) == entries;
                    if (fine && isEdit(position) && !opened.items.join('\n').contains("&Copy"))
                        problems << where + ": the edit's own entries are missing: " + opened.items.join(", ");
                } else {
                    // A window without entries answers as it does to a right-click on it.
                    fine = opened.menus == 1 || fake.ui.boxes.size() > boxes;
                }
                if (fine)
                    ++reached[k];
                else
                    problems << where + QString(": %1 menus: ").arg(opened.menus) + opened.items.join(", ");
            }
        }
        qInfo("%s: the window's entries reached from %d (Menu key) and %d (Shift+F10) of %d Tab positions",
              program->name.c_str(), reached[0], reached[1], int(positions.size()));
        if (!problems.isEmpty())
            QFAIL(qPrintable(problems.join('\n')));
    }
};

MYSTORIN_WINDOW_TEST(menu_keys, MenuKeysTest);

}  // namespace menu_keys

#include "menu_keys.moc"
