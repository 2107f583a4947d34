// The push buttons of Kismora's dialogs (profile form, date book, analysis, note).
#pragma once
#include <QPushButton>

#include "kismora/window/kismora_window.h"

namespace kismora {

// A button that Enter presses while it has the focus, as in the main window; with the
// focus elsewhere Enter runs the dialog's default button.
inline QPushButton* dialogButton(QWidget* dialog, ControlId id, const QString& caption, const QString& tooltip,
                                 const QString& name = {})
{
    QPushButton* button = shell::makeButton(dialog, id, caption, tooltip, name);
    button->setAutoDefault(true);
    return button;
}

}  // namespace kismora
