// The tip of the day's text. It reads as a static text, wraps a word too long for a line
// anywhere, and scrolls (the wheel, the keys once tabbed to, or a scroll bar made only for a
// tip taller than the view) instead of growing: whatever the tips file holds, the dialog
// keeps its size. A static text is a fraction of an editor's cost, and it is the first
// window's.
#pragma once
#include <QLabel>
#include <QTextLayout>

class QScrollBar;

namespace shell {

class TipText : public QLabel {
public:
    explicit TipText(QWidget* parent);

    void setTip(const QString& tip);

    // The width the lines are laid out in, and the widest of them.
    int lineWidth() const;
    qreal widestLine() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool scrolls() const;
    qreal layOut(int width);  // the height of the lines
    void invalidate();        // lays the text out again now if it is shown, else at the show
    void relayout();

    QTextLayout lines_;
    QScrollBar* scroll_ = nullptr;
    bool stale_ = true;  // the tip, font or size changed while hidden
};

}  // namespace shell
