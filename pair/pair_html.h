// The HTML copy of a pair report, and the copyright line both copies end with.
#pragma once
#include <string>

#include "shell/copyright.h"

namespace pairing {

using shell::kCopyrightLine;

// The HTML copy of a text report: a fixed head, every piece of at most 98 characters
// (ending at a line feed or at the 98th character) escaped and followed by "<P>", a
// fixed tail. Characters beyond ASCII become numeric references, a broken one the
// replacement character.
std::string HtmlReport(const std::string& textReport);

}  // namespace pairing
