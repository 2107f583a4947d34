// File safety shared by every program: atomic writes, names that stay in their folder,
// tolerant reading of the suite's line-per-value settings files, HTML escaping.
#pragma once
#include <string>
#include <vector>

#include "shell/seams.h"

namespace shell {

// Writes the whole file through a temporary and a rename (see atomic_write.h); false
// when that failed, the old file, if any, then untouched.
[[nodiscard]] bool writeFileAtomically(const std::string& path, const std::string& content);

// A report: written as writeFileAtomically writes it, and noted as this run's last
// report when it was, so that it can be shown again and printed.
[[nodiscard]] bool writeReport(Reports& reports, const std::string& path, const std::string& content);

// Creates a folder and its parents; failures are left to the write that follows.
void makeFolder(const std::string& path);

bool fileExists(const std::string& path);

// A typed-in name may become a file name only when it cannot leave its folder:
// not empty, no '/', '\\' or NUL, and not "." or "..".
bool isSafeFileName(const std::string& name);

// The longest file name, in bytes, that the file systems we run on accept.
inline constexpr std::size_t kLongestFileName = 255;

// Whether a file name made from typed-in names is short enough for the file system:
// bytes count, so a name beyond ASCII reaches the limit sooner.
bool fitsFileName(const std::string& fileName);

// The one message for a file name that does not fit; `thing` is what the file would
// hold ("report", "date", "security").
std::string nameTooLongMessage(const std::string& thing, const std::string& fileName);

// The lines of a settings file as the suite reads them: at most `maxLines`, each cut
// at the first line break and to the 98 bytes a 99-byte line buffer holds, between
// characters. A missing file gives no lines; a longer line continues as the next line
// read, as it always has. The file is read as bounded_read.h says.
std::vector<std::string> readSettingsLines(const std::string& path, std::size_t maxLines = 1000);

// The same lines read whole (each up to kLineBytes), so that a long name written beyond
// ASCII comes back whole instead of pushing the values after it down a line.
std::vector<std::string> readWholeSettingsLines(const std::string& path, std::size_t maxLines);

// A text as one line of a line-based file: cut at its first line break.
std::string oneLine(const std::string& text);

// The integer a settings line starts with (leading blanks and a sign allowed), or
// `fallback` when the line holds none or it does not fit.
int settingsInt(const std::string& line, int fallback);

std::string escapeHtml(const std::string& text);

// escapeHtml, and every character beyond ASCII as a numeric reference (a broken one as
// the replacement character), so that a page reads right in any browser without a
// character set in its head. ASCII text comes out as escapeHtml gives it.
std::string escapeHtmlAscii(const std::string& text);

}  // namespace shell
