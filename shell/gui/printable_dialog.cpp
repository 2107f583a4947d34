#include "shell/gui/printable_dialog.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

#include "shell/files.h"
#include "shell/gui/program_dialog.h"

namespace shell {

QFont pageFont(int pixels, bool bold)
{
    QFont font = windowFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QTransform fittedTransform(const QRectF& area, const QSize& pageSize)
{
    const QSizeF fitted = QSizeF(pageSize).scaled(area.size(), Qt::KeepAspectRatio);
    QTransform transform;
    transform.translate(area.x() + (area.width() - fitted.width()) / 2, area.y());
    transform.scale(fitted.width() / pageSize.width(), fitted.height() / pageSize.height());
    return transform;
}

void paintFitted(QPainter& painter, const QRectF& area, const PaintedPage& page)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(fittedTransform(area, page.size), true);
    page.paint(painter);
    painter.restore();
}

void paintScaled(QPagedPaintDevice& device, const PaintedPage& page)
{
    QPainter painter(&device);
    paintFitted(painter, painter.viewport(), page);
}

PageView::PageView(std::function<PaintedPage()> page, QWidget* parent) : QWidget(parent), page_(std::move(page))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintFitted(painter, rect(), page_());
}

PrintableDialog::PrintableDialog(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {}

QByteArray PrintableDialog::pdf(const QPageLayout& layout, int resolution)
{
    // The PDF is made in memory, so that it can replace a file whole as every write does.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(windowTitle());
        writer.setCreator("Mystorin");
        writer.setPageLayout(layout);
        if (resolution > 0)
            writer.setResolution(resolution);
        printOn(writer);
    }
    return buffer.data();
}

QByteArray PrintableDialog::pdf()
{
    return pdf(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                           QPageLayout::Millimeter),
               0);
}

bool PrintableDialog::saveAsPdf(const QString& file)
{
    return writeFileAtomically(file.toStdString(), pdf().toStdString());
}

void PrintableDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle("Print " + windowTitle());
    if (ui_.exec(dialog) != QDialog::Accepted)
        return;
    // "Print to File" (always a PDF here) is a write like any other: the PDF is made in
    // memory with the page the user chose and replaces the file whole, or the old file stays
    // and the user is told.
    const QString file = printer.outputFileName();
    if (!file.isEmpty())
        saveBytes(file, pdf(printer.pageLayout(), printer.resolution()));
    else
        printOn(printer);
}

void PrintableDialog::addPrintButtons(QDialogButtonBox* buttons)
{
    QPushButton* print = buttons->addButton("&Print...", QDialogButtonBox::ActionRole);
    print->setToolTip("print on paper or to a file");
    connect(print, &QPushButton::clicked, this, &PrintableDialog::print);
    // Alt+P is Print's; the PDF takes D, as the chart's PNG takes N.
    QPushButton* pdf = buttons->addButton("Save as P&DF...", QDialogButtonBox::ActionRole);
    pdf->setToolTip("save as a PDF document");
    connect(pdf, &QPushButton::clicked, this, &PrintableDialog::askAndSavePdf);
}

QString PrintableDialog::askSaveFile(const QString& caption, const QString& suffix, const QString& filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this, caption, QDir(folder).filePath(suggestedName() + "." + suffix), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (ui_.exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool PrintableDialog::saveBytes(const QString& file, const QByteArray& bytes)
{
    if (writeFileAtomically(file.toStdString(), bytes.toStdString()))
        return true;
    ui_.stop(windowTitle().toStdString(),
             "The file could not be saved:\n\n" + file.toStdString() +
                 "\n\nPlease make sure that the folder exists, that you may write there and that the disk has "
                 "free space.");
    return false;
}

void PrintableDialog::askAndSavePdf()
{
    const QString file = askSaveFile("Save as PDF", "pdf", "PDF documents (*.pdf)");
    if (!file.isEmpty())
        saveBytes(file, pdf());
}

}  // namespace shell
