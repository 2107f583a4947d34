#include "shell/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace shell {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take from the command
// line (Qt reads them with one dash or two), each followed by its value...
constexpr std::array<std::string_view, 14> kQtValueOptions = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name",          "title"};
// ...written as -OPTION=VALUE...
constexpr std::array<std::string_view, 3> kQtJoinedOptions = {"style=", "stylesheet=", "qmljsdebugger="};
// ...or standing alone.
constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "nograb",
                                                      "dograb",  "testability", "sync"};

CommandLine answer(CommandLine::Action action, std::string refused = {})
{
    CommandLine line;
    line.action = action;
    line.refused = std::move(refused);
    return line;
}

bool contains(const auto& list, std::string_view word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h" || argument == "-help" || argument == "-?")
            return answer(CommandLine::Action::Help);
        if (argument == "--version" || argument == "-v" || argument == "-version")
            return answer(CommandLine::Action::Version);
        if (argument.size() < 2 || argument[0] != '-')
            continue;  // execv, or a word of no meaning
        std::string_view option(argument);
        option.remove_prefix(option.starts_with("--") ? 2 : 1);
        if (contains(kQtValueOptions, option)) {
            result.platformChosen = result.platformChosen || option == "platform";
            result.displayChosen = result.displayChosen || option == "display";
            ++i;  // its value
        } else if (!contains(kQtFlags, option) &&
                   std::none_of(kQtJoinedOptions.begin(), kQtJoinedOptions.end(),
                                [&](std::string_view joined) { return option.starts_with(joined); })) {
            return answer(CommandLine::Action::Refuse, argument);
        }
    }
    return result;
}

std::optional<std::string> MissingDesktop(const CommandLine& commandLine,
                                          const std::function<std::string(const char*)>& environment)
{
    // A platform chosen by the user (offscreen, vnc, a Wayland compositor's socket
    // found by itself...) is Qt's to try; only the plain case is checked here.
    if (commandLine.platformChosen || commandLine.displayChosen || !environment("QT_QPA_PLATFORM").empty())
        return std::nullopt;
    if (!environment("DISPLAY").empty() || !environment("WAYLAND_DISPLAY").empty())
        return std::nullopt;
    return "neither DISPLAY nor WAYLAND_DISPLAY is set; start it from a desktop session, or choose a platform "
           "with -platform";
}

std::string HelpText(const std::string& program)
{
    return "Usage: " + program + " [options] [execv]\n" + program +
           ", a program of the Mystorin suite (for entertainment purposes only).\n"
           "\n"
           "A plain start and a start with the word execv (how the launcher and the programs hand\n"
           "over to one another) are the same: the tip of the day first, when it is switched on,\n"
           "then the main window.\n"
           "\n"
           "Options:\n"
           "  -h, --help                  Show this help and exit.\n"
           "  -v, --version               Show the version and exit.\n"
           "\n"
           "Every Qt application's standard options, with their usual effect, among them:\n"
           "  -style STYLE                The widget style (-style=STYLE too), such as Fusion.\n"
           "  -stylesheet FILE            A Qt style sheet for every window (-stylesheet=FILE too).\n"
           "  -platform NAME[:OPTIONS]    The window system plugin: xcb, wayland, offscreen...\n"
           "  -platformtheme NAME         The desktop theme plugin.\n"
           "  -reverse                    Lay the windows out right to left.\n"
           "  -qwindowgeometry GEOMETRY   The first window's size and place, as WxH+X+Y.\n"
           "  -qwindowtitle TITLE         The first window's title.\n"
           "  -qwindowicon FILE           The windows' icon.\n"
           "  -display DISPLAY            The X11 display to use.\n"
           "  -geometry GEOMETRY          The first window's geometry on X11.\n"
           "  -session NAME               Restore from an earlier desktop session.\n"
           "  -platformpluginpath PATH, -plugin NAME, -qmljsdebugger=..., -widgetcount, -nograb,\n"
           "  -dograb, -sync, -name NAME, -title TITLE, -testability\n"
           "\n"
           "Exit status: 0 when the program ends normally; 2 for an unknown option; 3 when there\n"
           "is no graphical desktop session (neither DISPLAY nor WAYLAND_DISPLAY set, and no\n"
           "-platform chosen).\n";
}

}  // namespace shell
