#include "zendary/window/calendar_view.h"

#include <QKeyEvent>
#include <QPainter>

namespace zendary {

CalendarView::CalendarView(std::function<shell::PaintedPage()> page, std::function<QRectF()> focusArea,
                           std::function<void(int key)> moveFocus, QWidget* parent) :
    PageView(page, parent), page_(std::move(page)), focusArea_(std::move(focusArea)), moveFocus_(std::move(moveFocus))
{
    setFocusPolicy(Qt::StrongFocus);
}

void CalendarView::paintEvent(QPaintEvent* event)
{
    PageView::paintEvent(event);
    // The frame shows only while the calendar has the focus: the page itself, as it
    // prints, never carries it.
    if (!hasFocus())
        return;
    const QRectF area = focusArea_();
    if (area.isEmpty())
        return;
    // Black on the page's own light colours, whatever the palette.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(shell::fittedTransform(rect(), page_().size).mapRect(area).adjusted(7, 7, -7, -7));
}

void CalendarView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            moveFocus_(event->key());
            return;
        }
        break;
    default: break;
    }
    PageView::keyPressEvent(event);
}

void CalendarView::focusInEvent(QFocusEvent* event)
{
    PageView::focusInEvent(event);
    update();
}

void CalendarView::focusOutEvent(QFocusEvent* event)
{
    PageView::focusOutEvent(event);
    update();
}

}  // namespace zendary
