#include "pulsara/window/chart_dialog.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "pulsara/window/chart_items.h"
#include "pulsara/window/chart_painting.h"

namespace pulsara {

ChartDialog::ChartDialog(shell::Ui& ui, const std::string& name, const Date& birth, const Date& selected,
                         QWidget* parent) :
    PrintableDialog(ui, parent),
    name_(QString::fromStdString(name)),
    birth_(birth),
    selected_(selected),
    days_(ChartDays(birth, selected))
{
    setWindowTitle("Biorhythm Chart");
    auto* view = new shell::PageView([this] { return page(); }, this);
    shell::exposePictureItems(view, [days = days_] { return chartItems(days); });
    view->setObjectName("chart");
    view->setToolTip("physical, emotional and intellectual biorhythms around the selected date");
    view->setMinimumSize(kChartSize * 0.75);
    // What the chart shows, a line a day, for readers that cannot see it.
    QStringList lines;
    for (const ChartDay& day : days_)
        lines << QString::fromStdString(ChartLine(day));
    view->setProperty("listedValues", lines);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    addPrintButtons(buttons);
    QPushButton* png = buttons->addButton("Save as P&NG...", QDialogButtonBox::ActionRole);
    png->setToolTip("save the chart as a picture");
    connect(png, &QPushButton::clicked, this, &ChartDialog::askAndSavePng);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view, 1);
    layout->addWidget(buttons);
    resize(800, 460);
}

shell::PaintedPage ChartDialog::page() const
{
    return {kChartSize, [days = days_, heading = chartHeading(name_, birth_)](QPainter& painter) {
                paintChart(painter, heading, days);
            }};
}

void ChartDialog::printOn(QPagedPaintDevice& device)
{
    shell::paintScaled(device, page());
}

QString ChartDialog::suggestedName() const
{
    return QString("Biorhythm %1-%2-%3").arg(selected_.month).arg(selected_.day).arg(selected_.year);
}

bool ChartDialog::saveAsPng(const QString& file)
{
    // Twice the chart's size, so that the picture stays sharp on a high-density screen.
    QImage image(kChartSize * 2, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        shell::paintFitted(painter, image.rect(), page());
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return saveBytes(file, buffer.data());
}

void ChartDialog::askAndSavePng()
{
    const QString file = askSaveFile("Save as PNG", "png", "PNG pictures (*.png)");
    if (!file.isEmpty())
        saveAsPng(file);
}

}  // namespace pulsara
