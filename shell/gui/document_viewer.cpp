#include "shell/gui/document_viewer.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QVBoxLayout>

#include "shell/gui/document_browser.h"
#include "shell/gui/program_dialog.h"

namespace shell {

namespace {

// A report is a few KB; anything far beyond that is not ours and is not read whole.
constexpr qsizetype kMostBytesShown = qsizetype{1024} * 1024;

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

DocumentViewer::DocumentViewer(Ui& ui, const QString& file, QWidget* parent) : PrintableDialog(ui, parent), file_(file)
{
    const QFileInfo info(file);
    setObjectName("documentViewer");
    setWindowTitle(info.fileName() + " - Mystorin");
    text_ = new DocumentBrowser(this);
    text_->setObjectName("documentText");
    nameControl(text_, "Document text");
    text_->setOpenLinks(false);
    loaded_ = isShownAsText(file) && text_->showFile(file, info.suffix().toLower() != "txt", kMostBytesShown);
    auto* buttons = new QDialogButtonBox(this);
    addPrintButtons(buttons);
    // Close comes last: added first, Tab would never reach it.
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(620, 440);
}

void DocumentViewer::printOn(QPagedPaintDevice& device)
{
    text_->document()->print(&device);
}

QString DocumentViewer::suggestedName() const
{
    return QFileInfo(file_).completeBaseName();
}

namespace {

void tellCannotShow(Ui& ui, const QString& file)
{
    const QFileInfo info(file);
    ui.info("MYSTORIN", ("No program on this desktop can show this document. You can open it by hand:\n\n"
                         "File: " +
                         info.fileName() + "\nFolder: " + info.absolutePath())
                            .toStdString());
}

}  // namespace

void showInOwnViewer(Ui& ui, const QString& file)
{
    DocumentViewer viewer(ui, file);
    if (viewer.loaded())
        ui.exec(viewer);
    else
        tellCannotShow(ui, file);
}

void showLastReport(Services& services, QWidget* parent)
{
    const QString report = QString::fromStdString(services.reports.last());
    if (report.isEmpty()) {
        services.ui.info("PRINT REPORT", "No report has been made yet. Make a report first; then it can be shown "
                                         "and printed from here.");
        return;
    }
    DocumentViewer viewer(services.ui, report, parent);
    if (!viewer.loaded()) {
        services.ui.stop("PRINT REPORT", "The last report can no longer be read:\n\n" + report.toStdString() +
                                             "\n\nPlease make the report again.");
        return;
    }
    services.ui.exec(viewer);
}

}  // namespace shell
