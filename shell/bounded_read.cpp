#include "shell/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "shell/file_log.h"
#include "shell/utf8_text.h"

namespace shell {

std::optional<std::string> readFileHead(const std::string& path, std::size_t maxBytes)
{
    // A missing file is the usual first run; anything else that is not read is noted for a
    // maintainer (file_log.h).
    const auto refused = [&path](const char* why) {
        qCInfo(mystorinFiles, "%s not read: %s", path.c_str(), why);
        return std::nullopt;
    };
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::nullopt : refused(std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return refused("not a regular file");
    // Should something else have taken the file's place meanwhile, opening it must not
    // wait for a writer, and it is not read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refused(std::strerror(errno));
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refused("not a regular file");
    }
    std::string content;
    char buffer[65536];
    while (content.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - content.size());
        const ssize_t n = ::read(fd, buffer, wanted);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        content.append(buffer, std::size_t(n));
    }
    ::close(fd);
    return content;
}

std::optional<std::vector<std::string>> readFileLines(const std::string& path, std::size_t maxLines,
                                                      std::size_t maxFileBytes, std::size_t maxLineBytes)
{
    const auto content = readFileHead(path, maxFileBytes);
    if (!content)
        return std::nullopt;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (lines.size() < maxLines && start < content->size()) {
        std::size_t end = content->find('\n', start);
        if (end == std::string::npos)
            end = content->size();
        std::string line = content->substr(start, std::min(end - start, maxLineBytes + 1));
        line.resize(std::min({line.size(), line.find('\0'), line.find('\r')}));
        lines.push_back(cutToBytes(line, maxLineBytes));
        start = end + 1;
    }
    return lines;
}

}  // namespace shell
