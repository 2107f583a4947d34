#include "files.h"

#include "atomic_write.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QFileInfo>

namespace shell {

bool writeFileAtomically(const std::string& path, const std::string& content)
{
    return writeFileAtomically(path, content, systemWriteSteps());
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

std::vector<std::string> readSettingsLines(const std::string& path, std::size_t maxLines)
{
    std::vector<std::string> lines;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return lines;
    char buffer[99];
    while (lines.size() < maxLines && std::fgets(buffer, sizeof buffer, file)) {
        std::string line(buffer);  // a NUL byte ends the value, as it always has
        if (const auto end = line.find_first_of("\r\n"); end != std::string::npos)
            line.resize(end);
        lines.push_back(line);
    }
    std::fclose(file);
    return lines;
}

std::vector<std::string> readWholeSettingsLines(const std::string& path, std::size_t maxLines)
{
    constexpr std::size_t kPieceBytes = 98;  // what one read of the 99-byte buffer can hold
    constexpr std::size_t kMostPiecesPerLine = 8;
    std::vector<std::string> lines;
    bool continues = false;
    for (const std::string& piece : readSettingsLines(path, maxLines * kMostPiecesPerLine)) {
        if (continues)
            lines.back() += piece;
        else
            lines.push_back(piece);
        continues = piece.size() == kPieceBytes;
    }
    return lines;
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
