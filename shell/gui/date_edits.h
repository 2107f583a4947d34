// The month, day and year boxes every program asks a date with, and the two ways the windows
// lay them out: side by side in a row, or on one row of a grid, each after its label.
#pragma once
#include <array>

class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QString;
class QWidget;

namespace shell {

// One box of a date: its control id, its tooltip and how many digits it is as wide as.
struct DatePart {
    int id;
    const char* tooltip;
    int digits;
};

// Month, day and year, in that order.
using DateEdits = std::array<QLineEdit*, 3>;
using DateLabels = std::array<const char*, 3>;

// The three boxes of one date. A screen reader reads each as "<date>: month" (day, year);
// each is as wide as its digits plus `margin` pixels for its frame.
DateEdits makeDateEdits(QWidget* parent, const std::array<DatePart, 3>& parts, const QString& date, int margin);

// The boxes side by side, each after its label when labels are given (the label's mnemonic
// moves to its box), `gap` pixels after each and the rest of the row empty. A negative
// spacing keeps the style's.
QHBoxLayout* dateRow(QWidget* parent, const DateEdits& edits, const DateLabels* labels, int spacing, int gap);

// The boxes on `row` of a grid from `column` on, each after its label, the label against it.
void addDateToGrid(QGridLayout* grid, int row, int column, const DateEdits& edits, const DateLabels& labels);

}  // namespace shell
