// CPY and PST beside the message box: the clipboard needs the window's toolkit.
#include "shell/gui/clipboard.h"
#include "zendary/window/zendary_window.h"

namespace zendary {

void ZendaryWindow::copyMessage()
{
    readFields();
    // What the box shows, even when a refused number kept the record from being read.
    shell::setClipboardText(shell::controlText(*message_));
}

void ZendaryWindow::pasteMessage()
{
    readFields();
    if (auto text = shell::clipboardText(core_.ui, "LEXIVAR")) {
        core_.data.message = std::move(*text);
        writeFields();
    }
}

}  // namespace zendary
