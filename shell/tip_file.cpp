#include "shell/tip_file.h"

#include <sys/stat.h>

#include <cctype>
#include <ctime>

namespace shell {

TipFile::TipFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")), path_(path) {}

TipFile::~TipFile()
{
    if (file_)
        std::fclose(file_);
}

std::string TipFile::modificationTime() const
{
    struct stat info {};
    if (!file_ || ::fstat(fileno(file_), &info) != 0)
        return {};
    const time_t when = info.st_mtime;
    const char* text = std::ctime(&when);
    std::string result = text ? text : "";
    while (!result.empty() && std::isspace(static_cast<unsigned char>(result.back())))
        result.pop_back();
    return result;
}

bool TipFile::seek(long position)
{
    return file_ && position >= 0 && std::fseek(file_, position, SEEK_SET) == 0;
}

long TipFile::position() const
{
    return file_ ? std::ftell(file_) : 0;
}

std::optional<std::string> TipFile::next()
{
    if (!file_)
        return std::nullopt;
    // Starting mid-file, the first end reached is the end of the first pass; a second
    // end without a tip means the file holds none.
    int endsReached = 0;
    char line[1000];
    while (endsReached < 2) {
        if (std::fgets(line, sizeof line, file_)) {
            const char first = line[0];
            if (first != ' ' && first != '\t' && first != '\n' && first != '\r' && first != ';' && first != '\0') {
                std::string tip(line);
                while (!tip.empty() && (tip.back() == '\n' || tip.back() == '\r'))
                    tip.pop_back();
                return tip;
            }
            continue;
        }
        ++endsReached;
        std::clearerr(file_);
        if (std::fseek(file_, 0, SEEK_SET) != 0)
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace shell
