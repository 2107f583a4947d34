#include "shell/help_file.h"

#include <QDir>
#include <QFileInfo>

#include "shell/bounded_read.h"
#include "shell/shown_document.h"

namespace shell {

std::optional<QString> readHelpFile(const QString& file)
{
    const auto bytes = readFileHead(file.toStdString(), std::size_t(kHelpFileBytes));
    if (!bytes)
        return std::nullopt;
    return withBreakableWords(QString::fromUtf8(bytes->data(), qsizetype(bytes->size())));
}

std::optional<QByteArray> helpResource(const QString& helpFolder, const QUrl& name, bool page)
{
    if (!name.scheme().isEmpty() && !name.isLocalFile())
        return std::nullopt;
    QString path = name.isLocalFile() ? name.toLocalFile() : name.path();
    if (QDir::isRelativePath(path))
        path = QDir(helpFolder).filePath(path);
    const QString resolved = QFileInfo(path).canonicalFilePath();
    const QString folder = QFileInfo(helpFolder).canonicalFilePath();
    if (resolved.isEmpty() || folder.isEmpty() || !resolved.startsWith(folder + "/"))
        return std::nullopt;
    if (page) {
        const auto html = readHelpFile(resolved);
        return html ? std::optional(html->toUtf8()) : std::nullopt;
    }
    const auto bytes = readFileHead(resolved.toStdString(), kDocumentBytes);
    if (!bytes)
        return std::nullopt;
    return QByteArray::fromStdString(*bytes);
}

}  // namespace shell
