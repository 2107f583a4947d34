#include "shell/gui/document_viewer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace shell {

namespace {

// A report is a few KB; anything far beyond that is not ours and is not loaded whole.
constexpr qint64 kMostBytesShown = 4 * 1024 * 1024;

// Shows only the document itself: no image, style sheet or link target is loaded from
// anywhere, so a hostile file cannot make the viewer read devices or other files.
class SealedBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

bool isShownAsText(const QString& file)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == "txt" || suffix == "html" || suffix == "htm";
}

}  // namespace

bool desktopCanOpen(const QString& file)
{
    if (QStandardPaths::findExecutable("xdg-open").isEmpty())
        return false;
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    if (xdgMime.isEmpty())
        return true;
    QProcess query;
    query.start(xdgMime, {"query", "default", QMimeDatabase().mimeTypeForFile(file).name()});
    if (!query.waitForFinished(3000))
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

void showInOwnViewer(const QString& file)
{
    const QFileInfo info(file);
    QFile in(file);
    if (!isShownAsText(file) || !info.isFile() || !in.open(QIODevice::ReadOnly)) {
        QMessageBox box(QMessageBox::Information, "MYSTORIN",
                        "No program on this desktop can show this document. You can open it by hand:\n\n"
                        "File: " +
                            info.fileName() + "\nFolder: " + info.absolutePath(),
                        QMessageBox::Ok);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.exec();
        return;
    }
    const QString content = QString::fromUtf8(in.read(kMostBytesShown));

    QDialog viewer;
    viewer.setObjectName("documentViewer");
    viewer.setWindowTitle(info.fileName() + " - Mystorin");
    auto* text = new SealedBrowser(&viewer);
    text->setObjectName("documentText");
    text->setOpenLinks(false);
    if (info.suffix().toLower() == "txt")
        text->setPlainText(content);
    else
        text->setHtml(content);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &viewer);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &viewer, &QDialog::reject);
    auto* layout = new QVBoxLayout(&viewer);
    layout->addWidget(text);
    layout->addWidget(buttons);
    viewer.resize(620, 440);
    viewer.exec();
}

}  // namespace shell
