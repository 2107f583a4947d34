// A program's command line, read before any Qt object exists: --help and --version
// answer without a display, an unknown option is refused by name, and Qt's standard
// options are let through for QApplication to take.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace shell {

// Exit codes of a start that does not open a window (also in --help and the man page).
inline constexpr int kExitUsage = 2;      // an unknown option
inline constexpr int kExitNoDesktop = 3;  // no graphical desktop session to show windows in

struct CommandLine {
    enum class Action { Start, Help, Version, Refuse };
    Action action = Action::Start;
    std::string refused;          // the unknown option, whole, for Refuse
    bool platformChosen = false;  // -platform given
    bool displayChosen = false;   // -display given (X11)
};

// Reads the arguments after the program name. The word execv (the hand-over) and any
// other word that is not an option start the program as a plain start does.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Why no window could be shown, or nothing when one can (or when the user chose the
// platform, which Qt then reports on). `environment` looks up a variable.
std::optional<std::string> MissingDesktop(const CommandLine& commandLine,
                                          const std::function<std::string(const char*)>& environment);

// The --help text of a program.
std::string HelpText(const std::string& program);

}  // namespace shell
