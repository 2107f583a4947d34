#include "shell/files.h"

#include "shell/atomic_write.h"
#include "shell/bounded_read.h"
#include "shell/utf8_text.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include <QDir>
#include <QFileInfo>

namespace shell {

bool writeFileAtomically(const std::string& path, const std::string& content)
{
    return writeFileAtomically(path, content, systemWriteSteps());
}

bool writeReport(Reports& reports, const std::string& path, const std::string& content)
{
    if (!writeFileAtomically(path, content))
        return false;
    reports.wrote(path);
    return true;
}

void makeFolder(const std::string& path)
{
    QDir().mkpath(QString::fromStdString(path));
}

bool fileExists(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).isFile();
}

bool isSafeFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

bool fitsFileName(const std::string& fileName)
{
    return fileName.size() <= kLongestFileName;
}

std::string nameTooLongMessage(const std::string& thing, const std::string& fileName)
{
    return "This " + thing + " can not be created, because its name is too long for a file name:\n\n" + fileName +
           "\n\nPlease use shorter names and try again.";
}

std::vector<std::string> readSettingsLines(const std::string& path, std::size_t maxLines)
{
    constexpr std::size_t kBuffer = 98;  // what one read of the 99-byte line buffer holds
    std::vector<std::string> lines;
    const std::string content = readFileHead(path, kSettingsFileBytes).value_or("");
    std::size_t at = 0;
    while (lines.size() < maxLines && at < content.size()) {
        // One read: up to and with the line feed when it fits, else as much as fits,
        // ending between characters; the rest is the next read.
        const std::size_t lineFeed = content.find('\n', at);
        const std::size_t end =
            lineFeed != std::string::npos && lineFeed - at < kBuffer ? lineFeed + 1 : pieceEnd(content, at, kBuffer);
        std::string piece = content.substr(at, end - at);
        piece.resize(std::min({piece.size(), piece.find('\0'), piece.find_first_of("\r\n")}));  // a NUL ends it too
        lines.push_back(piece);
        at = end;
    }
    return lines;
}

std::vector<std::string> readWholeSettingsLines(const std::string& path, std::size_t maxLines)
{
    return readFileLines(path, maxLines).value_or(std::vector<std::string>{});
}

std::string oneLine(const std::string& text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}

int settingsInt(const std::string& line, int fallback)
{
    const char* begin = line.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return fallback;
    return static_cast<int>(value);
}

std::string escapeHtml(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace shell
