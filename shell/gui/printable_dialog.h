// A window whose content goes to paper and to PDF: the report viewer, the biorhythm chart
// and the stars calendar. It owns the "&Print..." and "Save as &PDF..." buttons and the
// conversation behind them; the window only says how its content prints.
#pragma once
#include <QDialog>
#include <QSize>
#include <QTransform>
#include <functional>

#include "shell/seams.h"

class QDialogButtonBox;
class QFont;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace shell {

// A picture drawn by one routine for the screen, paper, PDF and PNG. The routine paints
// a canvas of `size` logical pixels with fonts set by pixel size; every target scales the
// canvas to fit, so that the picture is as sharp as the target allows.
struct PaintedPage {
    QSize size;
    std::function<void(QPainter&)> paint;
};

// The suite's font at a size in the page's pixels, as every painted page sets its fonts.
QFont pageFont(int pixels, bool bold = false);

// From the page's logical pixels to `area`, as paintFitted draws it.
QTransform fittedTransform(const QRectF& area, const QSize& pageSize);

// Draws the page into `area`, as large as fits, keeping its proportions: centred
// across, at the top.
void paintFitted(QPainter& painter, const QRectF& area, const PaintedPage& page);

// The same on a printer's or PDF writer's page.
void paintScaled(QPagedPaintDevice& device, const PaintedPage& page);

// A painted page on the screen, fitted to the widget. `page` is asked anew at each paint,
// so that the picture follows what the window shows.
class PageView : public QWidget {
public:
    PageView(std::function<PaintedPage()> page, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<PaintedPage()> page_;
};

class PrintableDialog : public QDialog {
    Q_OBJECT
public:
    PrintableDialog(Ui& ui, QWidget* parent = nullptr);

    // Writes the content as a PDF file (replacing it whole); false when it could not be written.
    [[nodiscard]] bool saveAsPdf(const QString& file);
    // The print dialog, then the printer, when the user goes on.
    void print();

protected:
    // The content on a paged device: a printer or a PDF writer.
    virtual void printOn(QPagedPaintDevice& device) = 0;
    // The name a saved copy is offered under, without its suffix.
    virtual QString suggestedName() const = 0;

    // Adds "&Print..." and "Save as &PDF..." to a button row.
    void addPrintButtons(QDialogButtonBox* buttons);
    // Asks for the file to save to, through the Ui seam; empty when the user cancels.
    QString askSaveFile(const QString& caption, const QString& suffix, const QString& filter);
    // Writes `bytes` to `file` whole, or tells the user it could not be written.
    bool saveBytes(const QString& file, const QByteArray& bytes);
    void askAndSavePdf();
    // The content as a PDF on A4 with the suite's margins, or on `layout` at `resolution`
    // dots per inch (0: the writer's own).
    QByteArray pdf();
    QByteArray pdf(const QPageLayout& layout, int resolution);

    Ui& ui_;
};

}  // namespace shell
