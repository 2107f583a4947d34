// The text a message box puts on the clipboard for Ctrl+C, in the habit of the desktop
// message boxes users know: caption and text between dashed lines.
#pragma once
#include <string>

namespace shell {

std::string boxClipboardText(const std::string& caption, const std::string& text);

}  // namespace shell
