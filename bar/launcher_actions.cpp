#include "bar/launcher_actions.h"

#include "shell/files.h"

namespace bar {

static const char* const kAwards = "Editor's Choice\tStarlight Software Review\n"
                                   "Five Stars\tThe Numerology Monthly\n"
                                   "Best Entertainment Program\tCosmic Desktop Awards\n"
                                   "Readers' Favourite\tAstrology at Home Magazine\n"
                                   "Most Original Idea\tThe Shareware Stargazer";

void StartProgram(shell::Services& services, const std::string& program)
{
    services.launcher.handOver(program);
}

void Updates(shell::Services& services)
{
    if (shell::fileExists(services.paths.docs("Readme.html")))
        services.opener.open(kUpdatesAddress);
    else
        services.ui.message("ZENDARY UPDATES", kUpdatesAddress, shell::Icon::None);
}

void Support(shell::Services& services)
{
    const std::string document = services.paths.docs("demo.rtf");
    if (shell::fileExists(document))
        services.opener.open(document);
}

void LearnMore(shell::Ui& ui)
{
    if (ui.askYesNo("ZENDARY", "Do you want to learn more about Zendary?  "))
        ui.message("ZENDARY AWARDS", kAwards, shell::Icon::None);
}

}  // namespace bar
