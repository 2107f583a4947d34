// Replacing a file whole: the content goes to a temporary beside the file, which is
// written out, flushed to the disk and closed, and only when every one of these steps
// worked is it renamed over the old file. Any failure removes the temporary and leaves
// the old file exactly as it was.
#pragma once
#include <cstddef>
#include <string>

namespace shell {

// The system calls one replacement makes, so that tests can let any step fail. Each
// returns what its system call returns and leaves the cause in errno.
class WriteSteps {
public:
    virtual ~WriteSteps() = default;
    virtual int create(const std::string& path);  // a new file, exclusively, mode 0666 less the umask
    virtual long write(int fd, const char* data, std::size_t size);
    virtual int flush(int fd);  // to the disk
    virtual int close(int fd);
    virtual int rename(const std::string& from, const std::string& to);
    virtual int remove(const std::string& path);
};

// The real system calls.
WriteSteps& systemWriteSteps();

// Only a regular file is ever replaced: through a symbolic link when the link ends at a
// regular file (which is then replaced, the link kept); never a folder, device, pipe or
// socket, nor a link to one or to nothing. False when nothing was replaced.
[[nodiscard]] bool writeFileAtomically(const std::string& path, const std::string& content, WriteSteps& steps);

}  // namespace shell
