#include "shell/help_file.h"

#include <QDir>
#include <QFileInfo>

#include "shell/bounded_read.h"

namespace shell {

namespace {

// Our help files are a few KB; one a hundred times larger is still shown, no further.
constexpr std::size_t kHelpFileBytes = 512 * 1024;
// Laying out a word grows with the square of its length: the text of a page gets a
// chance to break (an invisible zero-width space) after this many characters of a word.
constexpr int kLongestWord = 200;

QString withBreakableWords(const QString& html)
{
    QString out;
    out.reserve(html.size() + html.size() / kLongestWord);
    bool inTag = false, inEntity = false;
    int word = 0;
    for (const QChar c : html) {
        out += c;
        if (inTag) {
            inTag = c != u'>';
            continue;
        }
        if (c == u'<') {
            inTag = true;
            word = 0;
            continue;
        }
        inEntity = inEntity ? c != u';' : c == u'&';
        word = c.isSpace() ? 0 : word + 1;
        if (word >= kLongestWord && !inEntity && !c.isHighSurrogate()) {
            out += QChar(0x200B);
            word = 0;
        }
    }
    return out;
}

}  // namespace

std::optional<QString> readHelpFile(const QString& file)
{
    const auto bytes = readFileHead(file.toStdString(), kHelpFileBytes);
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
