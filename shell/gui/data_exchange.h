// Reading a window's controls into its record and back, driven by one table per
// window: control id, the record field, and the accepted integer range or text length.
#pragma once
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "shell/seams.h"

class QLineEdit;
class QWidget;

namespace shell {

struct Field {
    int id;
    std::variant<int*, std::string*> target;
    int min = 0;  // integers: lowest accepted value
    int max = 0;  // integers: highest accepted value; texts: longest accepted length

    static Field number(int id, int& value, int min, int max) { return {id, &value, min, max}; }
    static Field text(int id, std::string& value, int maxLength) { return {id, &value, 0, maxLength}; }
};

// The control with the given numeric id (its object name), or null.
QWidget* control(const QWidget& window, int id);

// The ids of the table that name no control of the window: a table and its layout must
// agree. The window tests check every window with this; readControls asserts it in a
// debug build and otherwise skips such a field.
std::vector<int> missingControls(const QWidget& window, std::span<const Field> fields);
// Limits an edit to `length` units (as Qt counts them) that never end in half a character.
void limitLength(QLineEdit& edit, int length);

// Gives every edit of the table its length limit.
void applyLimits(const QWidget& window, std::span<const Field> fields);

// Reads the controls in table order. A single-line control's text ends at its first
// line break. A number that does not parse or is out of range
// shows the standard prompt under `caption`, takes the focus, and leaves that field and
// every later one as they were; returns false then.
bool readControls(const QWidget& window, std::span<const Field> fields, Ui& ui, const std::string& caption);

// Writes every field back into its control.
void writeControls(const QWidget& window, std::span<const Field> fields);

// The text a control shows: an edit's text, a drop-down's chosen item ("" for none).
std::string controlText(const QWidget& widget);
void setControlText(QWidget& widget, const std::string& text);

}  // namespace shell
