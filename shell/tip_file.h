// The tips file: one tip a line; lines starting with a blank, a tab, a line break or ';'
// are skipped; after the last line the reading starts over at the top. The file is read
// once, as bounded_read.h says (a pipe or device in its place is no tips file, and a
// huge file counts only up to kDocumentBytes), and positions are byte offsets in it.
#pragma once
#include <optional>
#include <string>

namespace shell {

class TipFile {
public:
    explicit TipFile(const std::string& path);

    bool isOpen() const { return open_; }
    // The file's last-modification time in ctime form, trailing white space removed.
    std::string modificationTime() const { return modified_; }
    bool seek(long position);
    long position() const { return long(position_); }
    // The next tip (at most 999 bytes, ending between characters, without its line
    // break), or nothing when the whole file holds no tip line.
    std::optional<std::string> next();

private:
    // One read of the 1000-byte line buffer from the position on; none at the end.
    std::optional<std::string> readLine();

    bool open_ = false;
    std::string content_;
    std::string modified_;
    std::size_t position_ = 0;
};

}  // namespace shell
