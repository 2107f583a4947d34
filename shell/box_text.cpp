#include "shell/box_text.h"

namespace shell {

std::string boxClipboardText(const std::string& caption, const std::string& text)
{
    const std::string rule = "---------------------------\n";
    return rule + caption + "\n" + rule + text + "\n" + rule;
}

}  // namespace shell
