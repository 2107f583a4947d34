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

// The length in bytes of the UTF-8 sequence that starts with `lead`; stray bytes count one.
static std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

std::string escapeHtmlAscii(const std::string& text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = sequenceLength(lead);
        if (lead < 0x80) {
            out += escapeHtml(std::string(1, char(lead)));
            ++i;
            continue;
        }
        unsigned code = length == 1 ? 0xFFFD : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((next & 0xC0) != 0x80) {  // a broken sequence: one replacement character
                code = 0xFFFD;
                length = k;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        // An overlong form, a surrogate or a number beyond Unicode is no character
        // either: the lead byte stands for a replacement character, the rest for theirs.
        const unsigned lowest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code != 0xFFFD && (code < lowest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)) {
            code = 0xFFFD;
            length = 1;
        }
        out += "&#" + std::to_string(code) + ";";
        i += length;
    }
    return out;
}

}  // namespace shell
