#include "shell/gui/document_browser.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>

#include "shell/gui/document_accessible.h"
#include "shell/help_file.h"
#include "shell/shown_document.h"

namespace shell {

namespace {

constexpr qsizetype kLargestStyleSheet = qsizetype{64} * 1024;

// A refused or broken picture: an image of its own, so that Qt does not try the raw name.
QImage placeholder()
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A picture's bytes as Qt decodes them again, when they decode and are not too large;
// else the picture itself, scaled down, or the placeholder. Bytes that Qt cannot decode
// would make it try the raw name.
QVariant picture(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid())
        return placeholder();
    const int largest = DocumentBrowser::kLargestPicture;
    const bool tooLarge = size.width() > largest || size.height() > largest;
    if (tooLarge)
        reader.setScaledSize(size.scaled(largest, largest, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return placeholder();
    return tooLarge ? QVariant(image) : QVariant(bytes);
}

}  // namespace

DocumentBrowser::DocumentBrowser(QWidget* parent) : QTextBrowser(parent)
{
    exposeDocument(this);
}

bool DocumentBrowser::showFile(const QString& file, bool html, qsizetype maxBytes)
{
    const auto shown = readShownDocument(file, html, maxBytes);
    if (!shown)
        return false;
    folder_ = QFileInfo(file).absolutePath();
    if (shown->html)
        setHtml(shown->text);
    else
        setPlainText(shown->text);
    return true;
}

QVariant DocumentBrowser::loadResource(int type, const QUrl& name)
{
    // Only a regular file inside the document's folder, read within its bound (help_file.h).
    const bool page = type == QTextDocument::HtmlResource;
    const auto bytes = folder_.isEmpty() ? std::nullopt : helpResource(folder_, name, page);
    switch (type) {
    case QTextDocument::ImageResource: return bytes ? picture(*bytes) : QVariant(placeholder());
    case QTextDocument::HtmlResource: {
        if (!bytes)
            return QString("");
        const ShownDocument shown = shownHtml(QString::fromUtf8(*bytes));
        return shown.html ? shown.text : Qt::convertFromPlainText(shown.text);
    }
    case QTextDocument::StyleSheetResource:
        // Every rule is tried on every element: a style sheet gets a much smaller bound.
        return bytes && bytes->size() <= kLargestStyleSheet ? QString::fromUtf8(*bytes) : QString("");
    default: return QByteArray("");
    }
}

}  // namespace shell
