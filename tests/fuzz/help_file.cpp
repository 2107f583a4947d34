// The help loader: the page shown is the file's text with only invisible breaks added,
// and a resource named by a page is given only when it is the picture in the help folder.
#include <QDir>

#include "fuzz_support.h"
#include "shell/help_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string content = fuzz::asText(data, size);
    const std::string folder = fuzz::scratchPath("help");
    static const bool made = QDir().mkpath(QString::fromStdString(folder));
    fuzz::check(made, "the help folder is made");
    fuzz::asFile("help/a.png", "png");
    const QString file = QString::fromStdString(fuzz::asFile("help/Zdr.hlp", content));
    const auto html = shell::readHelpFile(file);
    fuzz::check(html.has_value(), "a regular help file opens");
    const QString zwsp(QChar(0x200B));
    QString shown = *html, original = QString::fromUtf8(content.data(), qsizetype(content.size()));
    fuzz::check(shown.remove(zwsp) == original.remove(zwsp), "the page is the file's text and breaks only");

    // The input names a resource, the way a page would.
    const QString name = QString::fromUtf8(content.data(), qsizetype(std::min<size_t>(content.size(), 300)));
    if (const auto resource = shell::helpResource(QString::fromStdString(folder), QUrl(name)))
        fuzz::check(*resource == "png" || *resource == QByteArray::fromStdString(content),
                    "only a file of the help folder is given");
    return 0;
}
