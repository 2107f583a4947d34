#include "help_file.h"

#include <QDir>
#include <QFileInfo>

#include "bounded_read.h"

namespace shell {

std::optional<QString> readHelpFile(const QString& file)
{
    const auto bytes = readFileHead(file.toStdString(), kDocumentBytes);
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf8(bytes->data(), qsizetype(bytes->size()));
}

std::optional<QByteArray> helpResource(const QString& helpFolder, const QUrl& name)
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
    const auto bytes = readFileHead(resolved.toStdString(), kDocumentBytes);
    if (!bytes)
        return std::nullopt;
    return QByteArray::fromStdString(*bytes);
}

}  // namespace shell
