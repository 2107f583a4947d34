#include <map>

#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace command_line_test {

using shell::CommandLine;
using shell::ParseCommandLine;
using Action = CommandLine::Action;

TEST(CommandLine, QtsOptionsStartTheProgramWithTheirValues)
{
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {},
             {"execv"},
             {"-style", "Fusion", "-reverse"},
             {"--style", "Fusion"},
             {"-style=Fusion", "-stylesheet=look.qss", "-qmljsdebugger=port:1"},
             {"-stylesheet", "look.qss", "-platformtheme", "gtk3", "-qwindowgeometry", "400x300+10+10"},
             {"-session", "abc", "-qwindowtitle", "T", "-qwindowicon", "i.png", "-widgetcount", "execv"},
             // A value that looks like an option is still the value.
             {"-qwindowtitle", "--help"},
         }) {
        const CommandLine line = ParseCommandLine(arguments);
        EXPECT_EQ(line.action, Action::Start) << (arguments.empty() ? "" : arguments[0]);
        EXPECT_FALSE(line.platformChosen);
    }
    EXPECT_TRUE(ParseCommandLine({"-platform", "offscreen"}).platformChosen);
    EXPECT_TRUE(ParseCommandLine({"-display", ":1"}).displayChosen);
}

TEST(CommandLine, HelpAndVersionAnswerAndAnUnknownOptionIsNamedWhole)
{
    EXPECT_EQ(ParseCommandLine({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"-style", "Fusion", "-h"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"--version"}).action, Action::Version);
    for (const std::string option : {"-stlye", "--no-such-option", "-s", "-styles=Fusion"}) {
        const CommandLine line = ParseCommandLine({"execv", option, "Fusion"});
        EXPECT_EQ(line.action, Action::Refuse) << option;
        EXPECT_EQ(line.refused, option);
    }
    EXPECT_EQ(ParseCommandLine({"-"}).action, Action::Start);  // a lone dash is a word
}

TEST(CommandLine, NoDesktopSessionIsNamedUnlessAPlatformIsChosen)
{
    std::map<std::string, std::string> environment;
    const auto lookUp = [&](const char* name) { return environment[name]; };
    const CommandLine plain = ParseCommandLine({});
    EXPECT_TRUE(shell::MissingDesktop(plain, lookUp).has_value());
    EXPECT_FALSE(shell::MissingDesktop(ParseCommandLine({"-platform", "offscreen"}), lookUp).has_value());
    EXPECT_FALSE(shell::MissingDesktop(ParseCommandLine({"-display", ":0"}), lookUp).has_value());
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment = {{variable, "x"}};
        EXPECT_FALSE(shell::MissingDesktop(plain, lookUp).has_value()) << variable;
    }
}

TEST(CommandLine, HelpListsQtsOptionsAndTheExitCodes)
{
    const std::string help = shell::HelpText("zendary");
    for (const char* text :
         {"Usage: zendary [options] [execv]", "--version", "-style STYLE", "-platform NAME", "-reverse",
          "-qwindowgeometry", "-stylesheet FILE", "execv", "2 for an unknown option", "3 when there"})
        EXPECT_NE(help.find(text), std::string::npos) << text;
    EXPECT_EQ(shell::kExitNoDesktop, 3);
}

}  // namespace command_line_test
