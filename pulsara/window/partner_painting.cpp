#include "pulsara/window/partner_painting.h"

#include <QPainter>
#include <QPainterPath>

#include "pulsara/window/chart_painting.h"
#include "shell/gui/printable_dialog.h"

namespace pulsara {

namespace {

constexpr int kPartnerLines = 44;

QPen dashedPen(Cycle cycle)
{
    QPen pen(cycleColour(cycle), 2.2, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin);
    pen.setDashPattern({4, 3});
    return pen;
}

}  // namespace

QSize pairedChartSize()
{
    return kChartSize + QSize(0, kPartnerLines);
}

void paintPartner(QPainter& painter, const ChartPartner& partner, const std::vector<ChartDay>& days)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A curve runs over the days from the second birthday on; the days before have none.
    for (const Cycle cycle : kCycles) {
        QPainterPath curve;
        bool started = false;
        for (std::size_t i = 0; i < days.size() && i < partner.meters.size(); ++i) {
            if (!partner.meters[i])
                continue;
            const QPointF point = chartPoint(days, i, MeterOf(*partner.meters[i], cycle));
            started ? curve.lineTo(point) : curve.moveTo(point);
            started = true;
        }
        painter.setPen(dashedPen(cycle));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve);
    }

    // The legend of the dashed curves, then the compatibility.
    const double top = kChartSize.height();
    painter.setFont(shell::pageFont(12));
    double x = 48;
    for (const Cycle cycle : kCycles) {
        painter.setPen(dashedPen(cycle));
        painter.drawLine(QPointF(x, top + 8), QPointF(x + 22, top + 8));
        x += 26;
    }
    painter.setPen(Qt::black);
    const QString legend = "dashed: " + partner.name + ", born " +
                           QString("%1-%2-%3").arg(partner.birth.month).arg(partner.birth.day).arg(partner.birth.year);
    painter.drawText(QRectF(x + 6, top, kChartSize.width() - x - 16, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(legend, Qt::ElideRight, int(kChartSize.width() - x - 16)));
    painter.setFont(shell::pageFont(12, true));
    const QString line = QString::fromStdString(CompatibilityLine(partner.name.toStdString(), partner.compatibility));
    painter.drawText(QRectF(10, top + 20, kChartSize.width() - 20, 18), Qt::AlignHCenter | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(line, Qt::ElideMiddle, kChartSize.width() - 20));
    painter.restore();
}

}  // namespace pulsara
