// CPY, PST and DEC beside the message box: the clipboard needs the window's toolkit.
#include <new>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "zendary/readings/message_decode.h"
#include "zendary/window/zendary_window.h"

namespace zendary {

static const int kMessageBox = 1094;

bool CopyMessageButton(ZendaryWindow& w)
{
    w.readFields();
    // What the box shows, even when a refused number kept the record from being read.
    const QWidget* message = shell::control(w, kMessageBox);
    QGuiApplication::clipboard()->setText(QString::fromStdString(shell::controlText(*message)));
    return true;
}

bool PasteMessageButton(ZendaryWindow& w)
{
    w.readFields();
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText())
        return false;
    try {
        w.core().data.message = clip->text().toStdString();
    } catch (const std::bad_alloc&) {
        w.core().ui.stop("LEXIVAR", "Out of memory!");
        return false;
    }
    w.writeFields();
    return true;
}

bool DecodeMessageButton(ZendaryWindow& w)
{
    w.readFields();
    if (!DecodeMessage(w.core()))
        return false;
    w.writeFields();
    return true;
}

}  // namespace zendary
