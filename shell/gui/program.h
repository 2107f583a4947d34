// What the shared start-up needs to know about one program of the suite.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "shell/seams.h"
#include "shell/tip_of_the_day.h"

class QDialog;

namespace shell {

struct Program {
    std::string name;  // executable name and profile name: "zendary"
    std::optional<TipSpec> tips;
    bool handsBackToLauncher = true;  // every reader returns to bar when its window closes
    std::function<std::unique_ptr<QDialog>(Services&)> makeWindow;
};

// Start-up of a program: tip of the day (when an interactive start allows it and the
// profile asks for it), the main window run modally, then the hand-over to the launcher.
// `showTips` false starts as if the profile had the tips switched off: the tip dialog is
// still built, and so moves on by one tip, but not shown.
int runProgram(const Program& program, Services& services, bool interactiveStart, bool showTips = true);

}  // namespace shell
