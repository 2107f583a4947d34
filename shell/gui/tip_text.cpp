#include "shell/gui/tip_text.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

namespace shell {

TipText::TipText(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TipText::setTip(const QString& tip)
{
    setText(tip);
    // Named by the tip itself, '&' and all, so that a screen reader reads the tip and hears
    // it change when "&Next Tip" shows another.
    setAccessibleName(tip);
    if (scroll_)
        scroll_->setValue(0);
    invalidate();
}

void TipText::invalidate()
{
    // Hidden, the text may not have its size yet: the show lays it out, once.
    stale_ = true;
    if (isVisible())
        relayout();
}

bool TipText::scrolls() const
{
    return scroll_ && scroll_->isVisibleTo(this);
}

int TipText::lineWidth() const
{
    return scrolls() ? width() - scroll_->width() : width();
}

qreal TipText::widestLine() const
{
    qreal widest = 0;
    for (int i = 0; i < lines_.lineCount(); ++i)
        widest = std::max(widest, lines_.lineAt(i).naturalTextWidth());
    return widest;
}

// The dialog's layout gives the tip its room; the text never asks for more.
QSize TipText::sizeHint() const
{
    return {100, 110};
}

QSize TipText::minimumSizeHint() const
{
    return sizeHint();
}

qreal TipText::layOut(int width)
{
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    lines_.setText(text());
    lines_.setFont(font());
    lines_.setTextOption(option);
    const qreal leading = fontMetrics().leading();
    qreal height = 0;
    lines_.beginLayout();
    for (QTextLine line = lines_.createLine(); line.isValid(); line = lines_.createLine()) {
        line.setLineWidth(width);
        height += line.lineNumber() > 0 ? leading : 0;
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    lines_.endLayout();
    return height;
}

void TipText::relayout()
{
    stale_ = false;
    const qreal height = layOut(width());
    if (height <= this->height()) {
        if (scroll_)
            scroll_->hide();
        // Only a tip that scrolls is a stop for the Tab key.
        if (hasFocus())
            focusNextChild();
        setFocusPolicy(Qt::NoFocus);
        update();
        return;
    }
    if (!scroll_) {
        scroll_ = new QScrollBar(Qt::Vertical, this);
        connect(scroll_, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    }
    const int barWidth = scroll_->sizeHint().width();
    scroll_->setGeometry(width() - barWidth, 0, barWidth, this->height());
    const int textHeight = int(std::ceil(layOut(width() - barWidth)));
    scroll_->setRange(0, std::max(0, textHeight - this->height()));
    scroll_->setPageStep(this->height());
    scroll_->setSingleStep(fontMetrics().lineSpacing());
    scroll_->show();
    setFocusPolicy(Qt::TabFocus);
    update();
}

void TipText::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        invalidate();
}

void TipText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    lines_.draw(&painter, QPointF(0, scrolls() ? -scroll_->value() : 0));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect.setWidth(lineWidth());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TipText::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    if (stale_)
        relayout();
}

void TipText::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    invalidate();
}

void TipText::wheelEvent(QWheelEvent* event)
{
    if (scrolls())
        QCoreApplication::sendEvent(scroll_, event);
    else
        QLabel::wheelEvent(event);
}

// The keys of any scrolled text; Enter and Escape still reach the dialog.
void TipText::keyPressEvent(QKeyEvent* event)
{
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Up: action = QAbstractSlider::SliderSingleStepSub; break;
    case Qt::Key_Down: action = QAbstractSlider::SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = QAbstractSlider::SliderPageStepSub; break;
    case Qt::Key_PageDown: action = QAbstractSlider::SliderPageStepAdd; break;
    case Qt::Key_Home: action = QAbstractSlider::SliderToMinimum; break;
    case Qt::Key_End: action = QAbstractSlider::SliderToMaximum; break;
    default: break;
    }
    if (scrolls() && action != QAbstractSlider::SliderNoAction)
        scroll_->triggerAction(action);
    else
        QLabel::keyPressEvent(event);
}

}  // namespace shell
