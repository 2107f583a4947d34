// The suite's own viewer, for when the desktop has none for a report or document: text
// and HTML files in a window; any other document in a box that names the file and its
// folder, so that the user can open it by hand.
#pragma once
#include <QString>

#include "shell/gui/printable_dialog.h"

namespace shell {

class DocumentBrowser;

// A text or HTML file shown as it is, with buttons to print it or save it as PDF (its
// text stays text in the PDF).
class DocumentViewer : public PrintableDialog {
    Q_OBJECT
public:
    // Loads the file now; false from `loaded()` when it is not a text or HTML file or
    // cannot be read.
    DocumentViewer(Ui& ui, const QString& file, QWidget* parent = nullptr);
    bool loaded() const { return loaded_; }

protected:
    void printOn(QPagedPaintDevice& device) override;
    QString suggestedName() const override;

private:
    QString file_;
    DocumentBrowser* text_ = nullptr;
    bool loaded_ = false;
};

// "&Print Report...": this run's last report in the viewer, or a box saying there is none.
void showLastReport(Services& services, QWidget* parent);

// Runs the viewer modally (the program's windows are modal too).
void showInOwnViewer(Ui& ui, const QString& file);

// Whether the desktop can open the file: xdg-open exists and, where xdg-mime can tell,
// some program is associated with the file's type.
bool desktopCanOpen(const QString& file);

}  // namespace shell
