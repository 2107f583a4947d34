#pragma once
#include <QString>

namespace shell {

// The suite's help viewer: a window beside the program's own that shows an HTML help
// file, and offers to locate the file when it is not where it should be.
void showHelpWindow(const QString& file);

}  // namespace shell
