#include "shell/tip_file.h"

#include <sys/stat.h>

#include <cctype>
#include <ctime>

#include "shell/bounded_read.h"
#include "shell/utf8_text.h"

namespace shell {

namespace {

std::string modificationTimeOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    const time_t when = info.st_mtime;
    const char* text = std::ctime(&when);
    std::string result = text ? text : "";
    while (!result.empty() && std::isspace(static_cast<unsigned char>(result.back())))
        result.pop_back();
    return result;
}

}  // namespace

TipFile::TipFile(const std::string& path)
{
    if (auto content = readFileHead(path, kDocumentBytes)) {
        open_ = true;
        content_ = std::move(*content);
        modified_ = modificationTimeOf(path);
    }
}

bool TipFile::seek(long position)
{
    if (!open_ || position < 0)
        return false;
    position_ = std::size_t(position);  // beyond the end, the next read finds the end
    return true;
}

std::optional<std::string> TipFile::readLine()
{
    constexpr std::size_t kBuffer = 999;
    if (position_ >= content_.size())
        return std::nullopt;
    const std::size_t lineFeed = content_.find('\n', position_);
    const std::size_t end = lineFeed != std::string::npos && lineFeed - position_ < kBuffer
                                ? lineFeed + 1
                                : pieceEnd(content_, position_, kBuffer);
    std::string line = content_.substr(position_, end - position_);
    position_ = end;
    return line.substr(0, line.find('\0'));  // a NUL ends the line read
}

std::optional<std::string> TipFile::next()
{
    if (!open_)
        return std::nullopt;
    // Starting mid-file, the first end reached is the end of the first pass; a second
    // end without a tip means the file holds none.
    for (int endsReached = 0; endsReached < 2;) {
        const auto line = readLine();
        if (!line) {
            ++endsReached;
            position_ = 0;
            continue;
        }
        const char first = line->empty() ? '\0' : (*line)[0];
        if (first != ' ' && first != '\t' && first != '\n' && first != '\r' && first != ';' && first != '\0') {
            std::string tip = *line;
            while (!tip.empty() && (tip.back() == '\n' || tip.back() == '\r'))
                tip.pop_back();
            return tip;
        }
    }
    return std::nullopt;
}

}  // namespace shell
