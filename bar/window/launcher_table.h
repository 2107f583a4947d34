// The launcher's program buttons: which program each starts, in the order of the two
// columns (the first five on the left, the other five on the right).
#pragma once
#include <span>

#include "bar/window/bar_window.h"

namespace bar {

struct LauncherButton {
    ControlId id;
    const char* caption;  // with a keyboard mnemonic of its own
    const char* program;  // the sibling executable started in the launcher's place
    const char* tooltip;
    bool isDefault = false;  // Enter elsewhere in the window presses it
};

std::span<const LauncherButton> LauncherButtonTable();

}  // namespace bar
