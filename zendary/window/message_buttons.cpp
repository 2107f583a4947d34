// CPY and PST beside the message box: the clipboard needs the window's toolkit.
#include <new>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "zendary/window/zendary_window.h"

namespace zendary {

void ZendaryWindow::copyMessage()
{
    readFields();
    // What the box shows, even when a refused number kept the record from being read.
    QGuiApplication::clipboard()->setText(QString::fromStdString(shell::controlText(*message_)));
}

void ZendaryWindow::pasteMessage()
{
    readFields();
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText())
        return;
    try {
        core_.data.message = clip->text().toStdString();
    } catch (const std::bad_alloc&) {
        core_.ui.stop("LEXIVAR", "Out of memory!");
        return;
    }
    writeFields();
}

}  // namespace zendary
