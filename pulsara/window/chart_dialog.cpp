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
#include "pulsara/window/partner_dialog.h"
#include "shell/gui/program_dialog.h"
#include "shell/icalendar.h"

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
    view_ = view;
    shell::exposePictureItems(view, [days = days_] { return chartItems(days); });
    shell::nameControl(view, "Biorhythm chart: the days around the selected date");
    view->setObjectName("chart");
    view->setToolTip("physical, emotional and intellectual biorhythms around the selected date");
    view->setMinimumSize(kChartSize * 0.75);
    listValues();
    auto* buttons = new QDialogButtonBox(this);
    addPrintButtons(buttons);
    QPushButton* png = buttons->addButton("Save as P&NG...", QDialogButtonBox::ActionRole);
    png->setToolTip("save the chart as a picture");
    connect(png, &QPushButton::clicked, this, &ChartDialog::askAndSavePng);
    QPushButton* compare = buttons->addButton("Compare &With...", QDialogButtonBox::ActionRole);
    compare->setToolTip("draw a second person's biorhythms beside these");
    connect(compare, &QPushButton::clicked, this, &ChartDialog::askAndCompare);
    QPushButton* exporting = buttons->addButton("&Export Critical Days...", QDialogButtonBox::ActionRole);
    exporting->setToolTip("put the critical days of the next 90 days into your calendar program");
    connect(exporting, &QPushButton::clicked, this, &ChartDialog::askAndExport);
    // Close comes last: added first, Tab would never reach it.
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view, 1);
    layout->addWidget(buttons);
    resize(800, 460);
}

shell::PaintedPage ChartDialog::page() const
{
    return {partner_ ? pairedChartSize() : kChartSize,
            [days = days_, heading = chartHeading(name_, birth_), partner = partner_](QPainter& painter) {
                paintChart(painter, heading, days);
                if (partner)
                    paintPartner(painter, *partner, days);
            }};
}

// What the chart shows, a line a day (with the second person's meters after a bar), for
// readers that cannot see it.
void ChartDialog::listValues()
{
    QStringList lines;
    for (std::size_t i = 0; i < days_.size(); ++i)
        lines << QString::fromStdString(partner_ ? PairedChartLine(days_[i], partner_->meters[i])
                                                 : ChartLine(days_[i]));
    view_->setProperty("listedValues", lines);
    if (partner_)
        view_->setProperty("compatibility", QString::fromStdString(CompatibilityLine(partner_->name.toStdString(),
                                                                                     partner_->compatibility)));
}

void ChartDialog::compareWith(const std::string& name, const Date& birth)
{
    partner_ =
        ChartPartner{QString::fromStdString(name), birth, PartnerMeters(birth, days_), CompatibilityOf(birth_, birth)};
    listValues();
    view_->update();
}

void ChartDialog::askAndCompare()
{
    PartnerDialog dialog(ui_, this);
    if (ui_.exec(dialog) == QDialog::Accepted)
        compareWith(dialog.name(), dialog.birth());
}

bool ChartDialog::exportCalendar(const QString& file, const shell::ExportChoice&)
{
    const std::string name = name_.toStdString();
    shell::CalendarFile calendar{"Pulsara 2000", "Pulsara critical days of " + name, shell::exportStamp(clock_), {}};
    // A day of the suite's calendar that no other calendar has (29 February 1900) is left
    // out by the writer.
    for (const CriticalDay& day : CriticalDays(birth_, selected_, kCriticalDaysSpan))
        calendar.events.push_back({QDate(day.date.year, day.date.month, day.date.day),
                                   std::string("Critical day: ") + CycleName(day.cycle), "Biorhythm of " + name});
    return saveBytes(file, QByteArray::fromStdString(shell::iCalendarText(calendar)));
}

void ChartDialog::askAndExport()
{
    const QString file = askSaveFile("Export Critical Days", "ics", "iCalendar files (*.ics)");
    if (!file.isEmpty())
        exportCalendar(file, {});
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
    QImage image(page().size * 2, QImage::Format_ARGB32);
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
