// Plain text in and out of the desktop's clipboard, for the programs' copy and paste
// buttons.
#pragma once
#include <optional>
#include <string>

#include "shell/seams.h"

namespace shell {

void setClipboardText(const std::string& text);

// The clipboard's text, or nothing when it holds none. A text too large for memory is
// refused with "Out of memory!" under `caption`.
std::optional<std::string> clipboardText(Ui& ui, const std::string& caption);

}  // namespace shell
