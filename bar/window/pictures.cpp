#include "bar/window/pictures.h"

#include <QBuffer>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>

#include "shell/gui/decoration.h"
#include "shell/gui/program_dialog.h"

namespace bar {

namespace {

QPainterPath star(QPointF centre, double outer)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 ? outer * 0.42 : outer;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        i ? path.lineTo(point) : path.moveTo(point);
    }
    path.closeSubpath();
    return path;
}

}  // namespace

SkyPicture::SkyPicture(int seed, bool withMoon, QWidget* parent) : QWidget(parent), seed_(seed), withMoon_(withMoon)
{
    // The skies give way first when the window is small.
    setMinimumHeight(8);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    shell::markAsDecoration(this);
}

void SkyPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(14, 10, 48));
    sky.setColorAt(1, QColor(58, 34, 110));
    p.fillRect(r, sky);

    // The same seed gives the same stars at every repaint; positions scale with the size.
    QRandomGenerator random{quint32(seed_)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 28; ++i) {
        const QPointF at(random.bounded(1.0) * r.width(), random.bounded(1.0) * r.height());
        const double size = 1.2 + random.bounded(2.6);
        p.setBrush(QColor(255, 244, 200, 150 + random.bounded(105)));
        if (size > 3.0)
            p.drawPath(star(at, size));
        else
            p.drawEllipse(at, size / 2, size / 2);
    }
    if (withMoon_) {
        const double d = r.height() * 0.7;
        const QRectF moon(r.width() - d * 2.2, (r.height() - d) / 2, d, d);
        QPainterPath crescent;
        crescent.addEllipse(moon);
        QPainterPath shadow;
        shadow.addEllipse(moon.translated(d * 0.3, -d * 0.1));
        p.setBrush(QColor(250, 230, 150));
        p.drawPath(crescent.subtracted(shadow));
    }
}

CrystalBallPicture::CrystalBallPicture(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(60, 60);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    shell::markAsDecoration(this);
}

void CrystalBallPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width(), h = height();
    const double d = std::min(w * 0.85, h * 0.72);
    const QRectF ball((w - d) / 2, (h - d * 1.3) / 2, d, d);

    // The stand: a dark trapezoid under the ball.
    QPainterPath stand;
    const double top = ball.bottom() - d * 0.08, bottom = ball.bottom() + d * 0.25;
    stand.moveTo(ball.center().x() - d * 0.28, top);
    stand.lineTo(ball.center().x() + d * 0.28, top);
    stand.lineTo(ball.center().x() + d * 0.42, bottom);
    stand.lineTo(ball.center().x() - d * 0.42, bottom);
    stand.closeSubpath();
    QLinearGradient wood(stand.boundingRect().topLeft(), stand.boundingRect().topRight());
    wood.setColorAt(0, QColor(70, 40, 20));
    wood.setColorAt(0.5, QColor(140, 90, 45));
    wood.setColorAt(1, QColor(70, 40, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawPath(stand);

    QRadialGradient glass(ball.center() - QPointF(d * 0.15, d * 0.18), d * 0.65);
    glass.setColorAt(0, QColor(230, 220, 255));
    glass.setColorAt(0.45, QColor(130, 100, 210));
    glass.setColorAt(1, QColor(40, 20, 90));
    p.setBrush(glass);
    p.setPen(QPen(QColor(30, 15, 70), 1));
    p.drawEllipse(ball);

    // A star shining inside the ball and a highlight on the glass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 170, 220));
    p.drawPath(star(ball.center() + QPointF(d * 0.05, d * 0.06), d * 0.16));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QRectF(ball.left() + d * 0.2, ball.top() + d * 0.14, d * 0.22, d * 0.13));
}

QIcon launcherIcon()
{
    return shell::programIcon(QChar(0x2605), QColor(40, 30, 110));
}

std::string launcherIconPng()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    launcherIcon().pixmap(64, 64).save(&buffer, "PNG");
    return bytes.toStdString();
}

}  // namespace bar
