#include "shell/gui/menu_keys.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWindow>

#include "shell/gui/program_dialog.h"

namespace shell {

namespace {

bool isMenuKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

// The control a widget belongs to: a text edit's viewport belongs to the edit.
QWidget* controlOf(QWidget* widget)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget()); area && area->viewport() == widget)
        return area;
    return widget;
}

// The control's own context menu (Cut, Copy, Paste...), as the control would show it;
// none for a control without one.
QMenu* ownMenu(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->createStandardContextMenu();
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        return combo->lineEdit()->createStandardContextMenu();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(control))
        if (auto* edit = spin->findChild<QLineEdit*>())
            return edit->createStandardContextMenu();
    if (auto* edit = qobject_cast<QTextEdit*>(control))
        return edit->createStandardContextMenu();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control))
        return edit->createStandardContextMenu();
    return nullptr;
}

ProgramDialog* programWindowOf(QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget ? qobject_cast<ProgramDialog*>(widget->window()) : nullptr;
}

class MenuKeys : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && isMenuKey(*static_cast<QKeyEvent*>(event)))
            return openFromKeyboard(watched);
        if (event->type() == QEvent::ContextMenu)
            return contextMenu(watched, *static_cast<QContextMenuEvent*>(event));
        return false;
    }

private:
    static bool openFromKeyboard(QObject* watched)
    {
        ProgramDialog* window = programWindowOf(watched);
        if (!window || QApplication::activePopupWidget())
            return false;
        QWidget* control = controlOf(static_cast<QWidget*>(watched));
        QPoint at = control->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        if (!control->rect().contains(at))
            at = control->rect().center();
        const QPoint global = control->mapToGlobal(at);
        if (QMenu* own = ownMenu(control)) {
            window->showContextMenu(global, own);
            return true;
        }
        // Elsewhere the window answers as it answers a right-click on itself.
        QContextMenuEvent request(QContextMenuEvent::Keyboard, window->mapFromGlobal(global), global);
        QApplication::sendEvent(window, &request);
        return true;
    }

    static bool contextMenu(QObject* watched, const QContextMenuEvent& event)
    {
        // The X11 platform follows a Menu key press with a request of its own to the
        // window; the key press has already opened the menu.
        if (auto* window = qobject_cast<QWindow*>(watched))
            return event.reason() == QContextMenuEvent::Keyboard && programWindowOf(window->focusObject());
        ProgramDialog* window = programWindowOf(watched);
        if (!window || window->menuEntryTexts().isEmpty() || watched == window)
            return false;
        QMenu* own = ownMenu(controlOf(static_cast<QWidget*>(watched)));
        if (!own)
            return false;
        window->showContextMenu(event.globalPos(), own);
        return true;
    }
};

}  // namespace

void installMenuKeys()
{
    static QPointer<MenuKeys> filter;
    if (!filter && qApp) {
        filter = new MenuKeys(qApp);
        qApp->installEventFilter(filter);
    }
}

}  // namespace shell
