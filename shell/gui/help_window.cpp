#include "shell/gui/help_window.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/gui/document_browser.h"
#include "shell/gui/program_dialog.h"
#include "shell/help_file.h"

namespace shell {

namespace {

void load(DocumentBrowser& browser, const QString& file)
{
    if (browser.showFile(file, true, kHelpFileBytes))
        return;
    browser.setPlainText(QFileInfo(file).fileName() + " cannot be found.\n\nPress \"Locate...\" to find it yourself.");
}

}  // namespace

void showHelpWindow(const QString& file)
{
    // A child of the modal window, so that it stays usable while that window runs.
    auto* window = new QDialog(QApplication::activeModalWidget(), Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QFileInfo(file).fileName() + " - Help");
    window->resize(560, 460);
    auto* browser = new DocumentBrowser(window);
    nameControl(browser, "Help text");
    browser->setOpenExternalLinks(true);
    load(*browser, file);
    auto* buttons = new QDialogButtonBox(window);
    QPushButton* locate = buttons->addButton("&Locate...", QDialogButtonBox::ActionRole);
    // Close comes last: added first, Tab would never reach it.
    buttons->addButton(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    QObject::connect(locate, &QPushButton::clicked, window, [window, browser] {
        const QString chosen = QFileDialog::getOpenFileName(window, "Locate help file", QString(),
                                                            "Help files (*.hlp *.html *.htm);;All files (*)");
        if (!chosen.isEmpty())
            load(*browser, chosen);
    });
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    window->show();
}

}  // namespace shell
