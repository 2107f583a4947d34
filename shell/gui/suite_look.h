// What makes every program of the suite look and behave as one on the desktop: the
// application's name, version, icon, desktop file name and font; and the command line.
#pragma once
#include <optional>

#include <QString>

#include "shell/gui/program.h"

namespace shell {

// The freedesktop id of a program's menu entry and icon: "org.mystorin.Zendary"; the
// launcher's is the suite's own, "org.mystorin.Mystorin".
QString desktopId(const Program& program);

// Sets the application's identity and look: name, version, desktop file name, the
// program's icon for every window and box, and the suite's one font family (Liberation
// Serif) for every window, box and dialog, whatever the desktop's theme says.
void applySuiteLook(const Program& program);

// Before QApplication exists: --help and --version print, an unknown option or a missing
// desktop session is refused with one line, and each gives its exit code; a start (plain,
// with the launcher's "execv" word, or with Qt's own options) gives nothing.
std::optional<int> handleCommandLine(const Program& program, int argc, char* argv[]);

}  // namespace shell
