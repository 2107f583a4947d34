// The launcher's program buttons: which program each starts, in the order of the two
// columns (the first five on the left, the other five on the right).
#pragma once
#include <span>

#include "bar/window/bar_window.h"

namespace bar {

struct LauncherButton {
    const char* caption = nullptr;  // with a keyboard mnemonic of its own
    const char* program = nullptr;  // the sibling executable started in the launcher's place
    const char* tooltip = nullptr;
    ControlId id{};
    bool isDefault = false;  // Enter elsewhere in the window presses it
};

std::span<const LauncherButton> LauncherButtonTable();

}  // namespace bar
