#include "shell/help.h"

#include "shell/files.h"

namespace shell {

void showHelp(Services& services, const HelpSpec& help)
{
    const std::string path = services.paths.docs(help.file);
    if (!fileExists(path)) {
        const std::string question = "Can't find help file (" + help.file + "). Do you want to locate it yourself?";
        if (!services.ui.askYesNo(help.caption, question)) {
            services.ui.info(help.caption, help.usage);
            return;
        }
    }
    services.opener.help(path);
}

}  // namespace shell
