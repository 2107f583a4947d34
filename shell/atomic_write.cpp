#include "shell/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "shell/file_log.h"

namespace shell {

int WriteSteps::create(const std::string& path)
{
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
}

long WriteSteps::write(int fd, const char* data, std::size_t size)
{
    return long(::write(fd, data, size));
}

int WriteSteps::flush(int fd)
{
    return ::fsync(fd);
}

int WriteSteps::close(int fd)
{
    return ::close(fd);
}

int WriteSteps::rename(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str());
}

int WriteSteps::remove(const std::string& path)
{
    return ::unlink(path.c_str());
}

WriteSteps& systemWriteSteps()
{
    static WriteSteps steps;
    return steps;
}

namespace {

// The file that is really replaced, and the mode it keeps; none when what stands at the
// path may not be replaced.
struct Target {
    std::string path;
    std::optional<mode_t> mode;  // of the file replaced; none for a new file
};

std::optional<Target> replaceableTarget(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::optional<Target>(Target{path, std::nullopt}) : std::nullopt;
    if (S_ISREG(info.st_mode))
        return Target{path, info.st_mode & 07777};
    if (!S_ISLNK(info.st_mode))
        return std::nullopt;
    char* resolved = ::realpath(path.c_str(), nullptr);  // fails for a link to nothing
    if (!resolved)
        return std::nullopt;
    const std::string target = resolved;
    std::free(resolved);
    if (::stat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return Target{target, info.st_mode & 07777};
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A short name, so that a file name near the longest allowed still gets a temporary.
int createTemporary(const std::string& folder, WriteSteps& steps, std::string& name)
{
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.mystorin-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
        const int fd = steps.create(name);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const std::string& content, WriteSteps& steps)
{
    std::size_t done = 0;
    while (done < content.size()) {
        const long n = steps.write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& content, WriteSteps& steps)
{
    // Every way out that replaced nothing says why, for a maintainer (file_log.h).
    const auto failed = [&path](const char* step) {
        qCInfo(mystorinFiles, "%s not written: %s: %s", path.c_str(), step, std::strerror(errno));
        return false;
    };
    const auto target = replaceableTarget(path);
    if (!target)
        return failed("not a regular file, nor a new one in a folder that exists");
    std::string temporary;
    const int fd = createTemporary(folderOf(target->path), steps, temporary);
    if (fd < 0)
        return failed("the temporary could not be created");
    if (target->mode)
        ::fchmod(fd, *target->mode);  // the replacement keeps the old file's permissions
    if (!writeAll(fd, content, steps) || steps.flush(fd) != 0) {
        const int cause = errno;
        steps.close(fd);
        steps.remove(temporary);
        errno = cause;
        return failed("writing or flushing the temporary failed");
    }
    // A close can still report a failed write; the descriptor is gone either way.
    if (steps.close(fd) != 0 || steps.rename(temporary, target->path) != 0) {
        const int cause = errno;
        steps.remove(temporary);
        errno = cause;
        return failed("closing or renaming the temporary failed");
    }
    return true;
}

}  // namespace shell
