// The launcher's program buttons: which program each starts, in the order of the two
// columns (the first five on the left, the other five on the right).
#pragma once
#include <span>

namespace bar {

struct LauncherButton {
    int id;
    const char* caption;  // with a keyboard mnemonic of its own
    const char* program;  // the sibling executable started in the launcher's place
    const char* tooltip;
};

std::span<const LauncherButton> LauncherButtonTable();

// The two buttons below the columns.
inline constexpr int kUpdatesButton = 1001;
inline constexpr int kSupportButton = 1009;

}  // namespace bar
