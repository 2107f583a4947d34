#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/atomic_write.h"
#include "shell/files.h"
#include "tests/support/temp_path.h"

namespace atomic_write_test {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

fs::path freshFolder(const std::string& name)
{
    const fs::path dir = test_support::tempPath("atomic_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::size_t entries(const fs::path& dir)
{
    return std::size_t(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

enum class Fail { ShortWrite, Write, Flush, Close, Rename };

// The real steps, except the one told to fail, as a full disk or a dying one would.
class FailingSteps : public shell::WriteSteps {
public:
    explicit FailingSteps(Fail fail) : fail_(fail) {}
    long write(int fd, const char* data, std::size_t size) override
    {
        if (fail_ == Fail::ShortWrite && !shortWritten_ && size > 1) {
            shortWritten_ = true;
            return WriteSteps::write(fd, data, size / 2);  // part of it, then the disk is full
        }
        if (fail_ == Fail::Write || fail_ == Fail::ShortWrite)
            return failWith(ENOSPC);
        return WriteSteps::write(fd, data, size);
    }
    int flush(int fd) override { return fail_ == Fail::Flush ? failWith(EIO) : WriteSteps::flush(fd); }
    int close(int fd) override
    {
        ++closes;
        const int result = WriteSteps::close(fd);
        return fail_ == Fail::Close ? failWith(ENOSPC) : result;
    }
    int rename(const std::string& from, const std::string& to) override
    {
        return fail_ == Fail::Rename ? failWith(EXDEV) : WriteSteps::rename(from, to);
    }
    int remove(const std::string& path) override
    {
        removed.push_back(path);
        return WriteSteps::remove(path);
    }
    int closes = 0;
    std::vector<std::string> removed;

private:
    static int failWith(int error)
    {
        errno = error;
        return -1;
    }
    Fail fail_;
    bool shortWritten_ = false;
};

TEST(AtomicWriteSteps, EveryFailingStepKeepsTheOldFileAndLeavesNoTemporary)
{
    for (Fail fail : {Fail::ShortWrite, Fail::Write, Fail::Flush, Fail::Close, Fail::Rename}) {
        const fs::path dir = freshFolder("steps");
        const fs::path file = dir / "duo.ini";
        const std::string old = std::string("old\n\0bytes\n", 11);
        std::ofstream(file, std::ios::binary) << old;
        FailingSteps steps(fail);
        EXPECT_FALSE(shell::writeFileAtomically(file.string(), std::string(10000, 'n'), steps)) << int(fail);
        EXPECT_EQ(slurp(file), old) << int(fail);
        EXPECT_EQ(entries(dir), 1u) << int(fail);  // the temporary is gone
        EXPECT_EQ(steps.closes, 1) << int(fail);   // closed once, whatever failed
        ASSERT_EQ(steps.removed.size(), 1u) << int(fail);
        EXPECT_EQ(fs::path(steps.removed[0]).parent_path(), dir) << int(fail);
    }
}

TEST(AtomicWriteSteps, AShortWriteThatCanGoOnIsFinished)
{
    // A write may take less than it was given without failing: the rest follows.
    class Trickle : public shell::WriteSteps {
        long write(int fd, const char* data, std::size_t size) override
        {
            return WriteSteps::write(fd, data, size > 3 ? 3 : size);
        }
    } steps;
    const fs::path file = freshFolder("trickle") / "a.ini";
    EXPECT_TRUE(shell::writeFileAtomically(file.string(), "a longer line\n", steps));
    EXPECT_EQ(slurp(file), "a longer line\n");
}

TEST(AtomicWrite, ReplacesOnlyARegularFile)
{
    const fs::path dir = freshFolder("kinds");
    // A pipe and a socket standing where the file should go.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (dir / "sock").string();
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directories(dir / "folder");
    fs::create_symlink("/dev/null", dir / "device");
    fs::create_symlink(dir / "nothing", dir / "dangling");
    fs::create_symlink(dir / "folder", dir / "to-folder");
    for (const char* name : {"pipe", "sock", "folder", "device", "dangling", "to-folder"})
        EXPECT_FALSE(shell::writeFileAtomically((dir / name).string(), "x")) << name;
    ::close(sock);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir / "pipe")));
    EXPECT_TRUE(fs::is_socket(fs::symlink_status(dir / "sock")));
    EXPECT_TRUE(fs::is_directory(dir / "folder") && fs::is_empty(dir / "folder"));
    EXPECT_EQ(fs::read_symlink(dir / "device"), "/dev/null");
    EXPECT_FALSE(fs::exists(dir / "nothing"));
    EXPECT_EQ(entries(dir), 6u);
}

TEST(AtomicWrite, ThroughALinkReplacesTheFileItPointsTo)
{
    const fs::path dir = freshFolder("link");
    fs::create_directories(dir / "real");
    std::ofstream(dir / "real" / "duo.ini") << "old\n";
    ::chmod((dir / "real" / "duo.ini").c_str(), 0640);
    fs::create_symlink("real/duo.ini", dir / "duo.ini");
    EXPECT_TRUE(shell::writeFileAtomically((dir / "duo.ini").string(), "new\n"));
    EXPECT_TRUE(fs::is_symlink(dir / "duo.ini"));
    EXPECT_EQ(slurp(dir / "real" / "duo.ini"), "new\n");
    EXPECT_EQ(fs::status(dir / "real" / "duo.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(dir / "real"), 1u);
}

TEST(AtomicWrite, ALongNameStillGetsItsTemporary)
{
    const fs::path dir = freshFolder("long");
    const std::string name = std::string(251, 'n') + ".txt";  // 255 bytes, the longest allowed
    EXPECT_TRUE(shell::writeFileAtomically((dir / name).string(), "x"));
    EXPECT_EQ(slurp(dir / name), "x");
}

}  // namespace atomic_write_test
