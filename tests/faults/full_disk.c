/* A full disk for the write-fault tests, preloaded into the scenario runner.
 *
 * While MYSTORIN_FULL_DISK names a folder, every file opened for writing below it
 * behaves as on a full file system: writing data and flushing it to the disk fail with
 * ENOSPC, and so does closing such a file; a new folder cannot be made there. Creating
 * an empty file, reading and renaming work, as they still do on a full disk, so a
 * writer that does not check its writes replaces a good file with an empty one.
 * The runner's "fault full" command sets the variable and looks for
 * mystorin_full_disk_shim to know that this library is loaded. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

int mystorin_full_disk_shim = 1;

static int below_full_folder(const char* path)
{
    const char* folder = getenv("MYSTORIN_FULL_DISK");
    if (!folder || !*folder || !path)
        return 0;
    const size_t n = strlen(folder);
    return strncmp(path, folder, n) == 0 && (path[n] == '/' || path[n] == '\0');
}

/* A regular file open for writing below the folder. */
static int full(int fd)
{
    if (!getenv("MYSTORIN_FULL_DISK"))
        return 0;
    const int flags = fcntl(fd, F_GETFL);
    struct stat info;
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return 0;
    char link[64], path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length <= 0)
        return 0;
    path[length] = '\0';
    return below_full_folder(path);
}

#define REAL(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

static ssize_t no_space(void)
{
    errno = ENOSPC;
    return -1;
}

ssize_t write(int fd, const void* data, size_t size)
{
    return size > 0 && full(fd) ? no_space() : REAL(write)(fd, data, size);
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t offset)
{
    return size > 0 && full(fd) ? no_space() : REAL(pwrite)(fd, data, size, offset);
}

ssize_t pwrite64(int fd, const void* data, size_t size, off64_t offset)
{
    return size > 0 && full(fd) ? no_space() : REAL(pwrite64)(fd, data, size, offset);
}

ssize_t writev(int fd, const struct iovec* pieces, int count)
{
    return count > 0 && full(fd) ? no_space() : REAL(writev)(fd, pieces, count);
}

int fsync(int fd)
{
    return full(fd) ? (int)no_space() : REAL(fsync)(fd);
}

int fdatasync(int fd)
{
    return full(fd) ? (int)no_space() : REAL(fdatasync)(fd);
}

int close(int fd)
{
    const int wasFull = full(fd);
    const int result = REAL(close)(fd);
    return wasFull ? (int)no_space() : result;
}

int mkdir(const char* path, mode_t mode)
{
    char resolved[4096];
    const char* where = path;
    if (path[0] != '/' && getcwd(resolved, sizeof resolved)) {
        strncat(resolved, "/", sizeof resolved - strlen(resolved) - 1);
        strncat(resolved, path, sizeof resolved - strlen(resolved) - 1);
        where = resolved;
    }
    return below_full_folder(where) ? (int)no_space() : REAL(mkdir)(path, mode);
}
