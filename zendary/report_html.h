// The HTML page of the daily report.
#pragma once
#include <string>

namespace zendary {

// The HTML page of a text report: every line, or every piece of at most 398 characters
// of a longer line, followed by "<P>".
std::string reportHtml(const std::string& text);

}  // namespace zendary
