// Reading the suite's own files without trusting them. Only a regular file is read (a
// pipe, device, socket or folder put in its place is never opened for reading, so it
// can neither block a program nor feed it without end), and only up to a cap: the
// formats are small, and a file grown by hand or by accident is read no further.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace shell {

inline constexpr std::size_t kSettingsFileBytes = std::size_t{64} * 1024;  // settings, profiles, items, notes
inline constexpr std::size_t kListFileBytes = std::size_t{1024} * 1024;    // lists that grow: index.ini, Portfolio.ini
inline constexpr std::size_t kDocumentBytes = std::size_t{1024} * 1024;  // tips files, reports read back, help pictures
inline constexpr std::size_t kLineBytes = 4096;                          // a line of any of them

// The first `maxBytes` bytes of a regular file (through a link to one); none when the
// file is missing, cannot be read or is no regular file.
std::optional<std::string> readFileHead(const std::string& path, std::size_t maxBytes);

// The lines of such a file, read up to `maxFileBytes`: each ends at a line feed (a last
// line may end the file without one), keeps nothing from a carriage return or a NUL byte
// on (so a line written with CR LF reads as written), and is cut to `maxLineBytes`
// between characters. At most `maxLines`.
std::optional<std::vector<std::string>> readFileLines(const std::string& path, std::size_t maxLines,
                                                      std::size_t maxFileBytes = kSettingsFileBytes,
                                                      std::size_t maxLineBytes = kLineBytes);

}  // namespace shell
