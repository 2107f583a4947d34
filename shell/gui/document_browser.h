// The one text browser of the report viewer and the help window. A document is data,
// never an instruction to fetch: it is laid out as shown_document.h allows, and the only
// resources it gets are regular files of its own folder, each within a byte bound.
#pragma once
#include <QTextBrowser>

namespace shell {

class DocumentBrowser : public QTextBrowser {
public:
    explicit DocumentBrowser(QWidget* parent = nullptr);

    // Shows the file (at most `maxBytes` of it) as plain text or HTML; its folder is the
    // one resources come from. False, and nothing shown, when it is no regular file.
    bool showFile(const QString& file, bool html, qsizetype maxBytes);

    // The largest picture a page gets, in pixels across and down; a larger one is scaled.
    static constexpr int kLargestPicture = 4096;

    // Never an invalid value: given nothing, Qt would open the named file itself.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString folder_;
};

}  // namespace shell
