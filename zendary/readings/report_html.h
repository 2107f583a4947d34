// The HTML page of the daily report.
#pragma once
#include <string>

namespace zendary {

// The HTML page of a text report: the header, then every line, or every piece of at most
// 398 characters of a longer line (never splitting a character), escaped and followed by
// "<P>", then the footer; nothing else, not even a line feed.
std::string reportHtml(const std::string& text);

}  // namespace zendary
