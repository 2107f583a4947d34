// The launcher's first run: the marker file, the one-time notice and the suite's entry
// in the desktop's application menu. Plain C++ over the seams.
#pragma once
#include <string>

#include "shell/seams.h"

namespace bar {

inline constexpr const char* kMarkerFile = "zdr.ini";                      // in the data folder
inline constexpr const char* kMenuEntryFile = "mystorin-zendary.desktop";  // in the applications folder
inline constexpr const char* kIconFile = "bar.png";                        // in the data folder

// What the menu entry points at.
struct Installation {
    std::string launcherPath;  // the bar executable, absolute
    std::string iconPng;       // the launcher's icon as PNG bytes; empty for none
    // The suite's own menu entry is installed (by a package or `cmake --install`): the
    // first run then adds no second one, and one added earlier is taken away.
    bool menuEntryInstalled = false;
    // The launcher runs from a build folder: its entry says so in its name.
    bool buildFolder = false;
};

// The installed menu entry of the suite, looked for in the desktop's application folders.
inline constexpr const char* kInstalledEntryFile = "org.mystorin.Mystorin.desktop";

// A marker of any kind and content means the first run has been done.
bool IsFirstRun(const shell::Paths& paths);

// "160 M D Y": the marker's one line (no line feed), from today's date.
std::string MarkerLine(const shell::DateTime& today);

// The notice shown once: where the suite keeps its files and, when this run added one,
// the menu entry, which are what to delete when uninstalling.
std::string NoticeText(const shell::Paths& paths, bool wroteMenuEntry);

// The freedesktop menu entry starting the launcher; `iconPath` empty leaves the icon out.
// Its TryExec names the launcher too, so that once the launcher is gone (a build folder
// deleted) the desktop hides the entry instead of offering one that cannot start.
// From a build folder it is named "Mystorin (build folder)".
std::string MenuEntry(const std::string& launcherPath, const std::string& iconPath, bool buildFolder = false);

// Quotes a path as one argument of a menu entry's Exec key.
std::string ExecArgument(const std::string& path);

// Runs the first-run steps when the marker is missing: data folder, marker, icon and
// menu entry (replacing an older one; none where the suite's own is installed), then the
// notice. Where the suite's own entry is installed, an entry an earlier first run added
// is taken away at every start, so that the menu never shows the suite twice.
// Failures to write are silent.
void FirstRunIfNeeded(shell::Services& services, const Installation& installation);

}  // namespace bar
