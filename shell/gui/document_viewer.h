// The suite's own viewer, for when the desktop has none for a report or document: text
// and HTML files in a window; any other document in a box that names the file and its
// folder, so that the user can open it by hand.
#pragma once
#include <QString>

namespace shell {

// Runs the viewer modally (the program's windows are modal too).
void showInOwnViewer(const QString& file);

// Whether the desktop can open the file: xdg-open exists and, where xdg-mime can tell,
// some program is associated with the file's type.
bool desktopCanOpen(const QString& file);

}  // namespace shell
