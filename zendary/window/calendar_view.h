// The stars calendar's month on the screen, which the keyboard walks day by day: the
// arrow keys, Home and End move a focus frame over the days and tell a screen reader.
#pragma once
#include <functional>

#include "shell/gui/printable_dialog.h"

namespace zendary {

class CalendarView : public shell::PageView {
public:
    // `focusArea`: the frame of the day the keyboard is on, in the page's logical pixels;
    // `moveFocus`: called with the key pressed.
    CalendarView(std::function<shell::PaintedPage()> page, std::function<QRectF()> focusArea,
                 std::function<void(int key)> moveFocus, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::function<shell::PaintedPage()> page_;
    std::function<QRectF()> focusArea_;
    std::function<void(int)> moveFocus_;
};

}  // namespace zendary
