// The help routine every reader program shares.
#pragma once
#include <string>

#include "shell/seams.h"

namespace shell {

struct HelpSpec {
    std::string file;     // "Zdr.hlp", in the docs folder
    std::string caption;  // "ZENDARY HELP"
    std::string usage;    // the short usage note shown when there is no help to open
};

// Opens the help file in the help window; when it is missing, asks whether the user
// wants to locate it, and shows the usage note on No.
void showHelp(Services& services, const HelpSpec& help);

}  // namespace shell
