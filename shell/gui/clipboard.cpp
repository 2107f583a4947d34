#include "shell/gui/clipboard.h"

#include <new>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace shell {

void setClipboardText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::optional<std::string> clipboardText(Ui& ui, const std::string& caption)
{
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText())
        return std::nullopt;
    try {
        return clip->text().toStdString();
    } catch (const std::bad_alloc&) {
        ui.stop(caption, "Out of memory!");
        return std::nullopt;
    }
}

}  // namespace shell
