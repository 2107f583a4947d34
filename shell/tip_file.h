// The tips file: one tip a line; lines starting with a blank, a tab, a line break or ';'
// are skipped; after the last line the reading starts over at the top.
#pragma once
#include <cstdio>
#include <optional>
#include <string>

namespace shell {

class TipFile {
public:
    explicit TipFile(const std::string& path);
    ~TipFile();
    TipFile(const TipFile&) = delete;
    TipFile& operator=(const TipFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The file's last-modification time in ctime form, trailing white space removed.
    std::string modificationTime() const;
    bool seek(long position);
    long position() const;
    // The next tip (at most 999 characters, without its line break), or nothing when
    // the whole file holds no tip line.
    std::optional<std::string> next();

private:
    std::FILE* file_ = nullptr;
    std::string path_;
};

}  // namespace shell
