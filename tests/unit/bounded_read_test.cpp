#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "shell/bounded_read.h"
#include "shell/files.h"
#include "shell/profile.h"
#include "shell/tip_file.h"
#include "tests/support/temp_path.h"

namespace bounded_read_test {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& name)
{
    const fs::path dir = test_support::tempPath("read_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string write(const fs::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

const std::string kE = "\xC3\xA9";  // two bytes

TEST(BoundedRead, OnlyARegularFileIsRead)
{
    const fs::path dir = freshFolder("kinds");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);  // no writer: opening it would wait
    fs::create_symlink("/dev/zero", dir / "zero");         // endless
    fs::create_directories(dir / "folder");
    fs::create_symlink(write(dir / "real", "a\n"), dir / "link");
    const auto started = std::chrono::steady_clock::now();
    for (const char* name : {"pipe", "zero", "folder", "missing"}) {
        EXPECT_EQ(shell::readFileHead((dir / name).string(), 100), std::nullopt) << name;
        EXPECT_EQ(shell::readFileLines((dir / name).string(), 10), std::nullopt) << name;
        EXPECT_TRUE(shell::readSettingsLines((dir / name).string()).empty()) << name;
        EXPECT_FALSE(shell::TipFile((dir / name).string()).isOpen()) << name;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(shell::readFileHead((dir / "link").string(), 100), "a\n");
}

TEST(BoundedRead, AFileIsReadUpToItsCapAndALineUpToItsOwn)
{
    const fs::path dir = freshFolder("caps");
    const std::string huge = write(dir / "index.ini", std::string(16 * 1024 * 1024, 'x'));
    EXPECT_EQ(shell::readFileHead(huge, 1000)->size(), 1000u);
    const auto lines = shell::readFileLines(huge, 10);
    ASSERT_EQ(lines->size(), 1u);
    EXPECT_EQ((*lines)[0], std::string(shell::kLineBytes, 'x'));
    // A cut line ends between characters.
    std::string wide;
    while (wide.size() < 5000)
        wide += kE;
    const auto cut = shell::readFileLines(write(dir / "wide.ini", "a" + wide + "\nnext"), 10);
    ASSERT_EQ(cut->size(), 2u);
    EXPECT_EQ((*cut)[0].size(), shell::kLineBytes - 1);
    EXPECT_EQ((*cut)[1], "next");
}

TEST(BoundedRead, LinesLoseTheirEndAndWhatFollowsANul)
{
    const fs::path dir = freshFolder("lines");
    const auto lines = shell::readFileLines(write(dir / "a.ini", std::string("one\r\n\ntw\0o\r\nlast", 17)), 10);
    EXPECT_EQ(*lines, (std::vector<std::string>{"one", "", "tw", "last"}));
    EXPECT_EQ(shell::readFileLines(write(dir / "b.ini", "1\n2\n3\n"), 2)->size(), 2u);
    EXPECT_TRUE(shell::readFileLines(write(dir / "c.ini", ""), 2)->empty());
}

TEST(SettingsLines, APieceOfTheLineBufferEndsBetweenCharacters)
{
    const fs::path dir = freshFolder("pieces");
    const std::string path = write(dir / "lex.ini", std::string(97, 'a') + kE + "\n" + std::string(98, 'b') + "\nc");
    EXPECT_EQ(shell::readSettingsLines(path),
              (std::vector<std::string>{std::string(97, 'a'), kE, std::string(98, 'b'), "", "c"}));
    EXPECT_EQ(shell::readWholeSettingsLines(path, 10),
              (std::vector<std::string>{std::string(97, 'a') + kE, std::string(98, 'b'), "c"}));
}

TEST(TipFile, ALongLineIsCutBetweenCharacters)
{
    const fs::path dir = freshFolder("tips");
    std::string line = "x";
    while (line.size() < 1200)
        line += kE;
    shell::TipFile tips(write(dir / "tips.txt", line + "\n"));
    const auto first = tips.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->size(), 999u);  // "x" and 499 whole characters
    EXPECT_EQ(*first + *tips.next(), line);
}

TEST(Profile, ReadsSectionsAndKeysAndWritesThemBack)
{
    const fs::path dir = freshFolder("profile");
    const std::string path =
        write(dir / "zendary.ini", "; comment\n[Tip]\nStartUp = 1\nTimeStamp=Sat Jan  1 12:00:00 2000\n\n"
                                   "[Birthdays]\r\nOwn=\" 3 14 1975 \"\njunk line\n");
    shell::Profile profile(path);
    EXPECT_EQ(profile.value("Tip/StartUp").toString(), "1");
    EXPECT_EQ(profile.value("Tip/TimeStamp").toString(), "Sat Jan  1 12:00:00 2000");
    EXPECT_EQ(profile.value("Birthdays/Own").toString(), " 3 14 1975 ");
    EXPECT_FALSE(profile.value("Tip/FilePos").isValid());
    EXPECT_EQ(shell::profileInt(profile, "Tip/FilePos", 7), 7);
    profile.setValue("Tip/FilePos", qint64(12));
    profile.setValue("New/Key", "two\nlines");
    EXPECT_TRUE(profile.sync());
    shell::Profile back(path);
    EXPECT_EQ(shell::profileInt(back, "Tip/FilePos", 0), 12);
    EXPECT_EQ(back.value("Birthdays/Own").toString(), " 3 14 1975 ");
    EXPECT_EQ(back.value("New/Key").toString(), "two");
    EXPECT_EQ(back.text(), profile.text());
}

TEST(Profile, APipeOrAFolderInItsPlaceIsNoProfileAndIsNeverReplaced)
{
    const fs::path dir = freshFolder("profile_kinds");
    ASSERT_EQ(::mkfifo((dir / "pipe.ini").c_str(), 0644), 0);
    fs::create_directories(dir / "folder.ini");
    for (const char* name : {"pipe.ini", "folder.ini"}) {
        shell::Profile profile((dir / name).string());
        EXPECT_FALSE(profile.value("Tip/StartUp").isValid());
        profile.setValue("Tip/StartUp", 1);
        EXPECT_FALSE(profile.sync()) << name;
    }
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.ini"));
    EXPECT_TRUE(fs::is_directory(dir / "folder.ini"));
}

TEST(Profile, NothingChangedNothingWritten)
{
    const fs::path dir = freshFolder("profile_same");
    const std::string path = write(dir / "a.ini", "[Tip]\nStartUp=1\n");
    ::chmod(dir.c_str(), 0555);  // a write would fail (as root it would not, and need not)
    {
        shell::Profile profile(path);
        profile.setValue("Tip/StartUp", 1);
        EXPECT_TRUE(profile.sync());
    }
    ::chmod(dir.c_str(), 0755);
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[Tip]\nStartUp=1\n");
}

}  // namespace bounded_read_test
