#include "pulsara/window/chart_dialog.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "pulsara/window/chart_painting.h"

namespace pulsara {

namespace {

// The chart as a widget: it paints the page at its own size and lists its days for the
// scenario runner.
class ChartView : public QWidget {
public:
    ChartView(shell::PaintedPage page, const std::vector<ChartDay>& days, QWidget* parent) :
        QWidget(parent), page_(std::move(page))
    {
        setObjectName("chart");
        QStringList lines;
        for (const ChartDay& day : days)
            lines << QString::fromStdString(ChartLine(day));
        setProperty("listedValues", lines);
        setMinimumSize(page_.size * 0.75);
        setToolTip("physical, emotional and intellectual biorhythms around the selected date");
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), Qt::white);
        painter.scale(width() / double(page_.size.width()), height() / double(page_.size.height()));
        page_.paint(painter);
    }

private:
    shell::PaintedPage page_;
};

}  // namespace

ChartDialog::ChartDialog(shell::Ui& ui, const std::string& name, const Date& birth, const Date& selected,
                         QWidget* parent) :
    PrintableDialog(ui, parent),
    name_(QString::fromStdString(name)),
    birth_(birth),
    selected_(selected),
    days_(ChartDays(birth, selected))
{
    setWindowTitle("Biorhythm Chart");
    auto* view = new ChartView(page(), days_, this);
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
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(2, 2);
        page().paint(painter);
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
