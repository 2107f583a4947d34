#include <gtest/gtest.h>

#include "tests/support/temp_path.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "shell/files.h"

namespace files_test {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SafeFileName, RefusesNamesThatLeaveTheirFolder)
{
    EXPECT_TRUE(shell::isSafeFileName("3-12-2005.txt"));
    EXPECT_TRUE(shell::isSafeFileName("John Smith..txt"));
    for (const std::string& name :
         std::vector<std::string>{"", ".", "..", "../x", "a/b", "a\\b", std::string("a\0b", 3)})
        EXPECT_FALSE(shell::isSafeFileName(name)) << name;
}

TEST(AtomicWrite, ReplacesWholeAndFailsWithoutTouchingTheOld)
{
    const fs::path dir = test_support::tempPath("mystorin_atomic");
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path file = dir / "a.ini";
    EXPECT_TRUE(shell::writeFileAtomically(file.string(), "first\n"));
    EXPECT_TRUE(shell::writeFileAtomically(file.string(), "second\n"));
    EXPECT_EQ(slurp(file), "second\n");
    // A folder standing where the file should go: the write fails and says so.
    fs::create_directories(dir / "b.ini");
    EXPECT_FALSE(shell::writeFileAtomically((dir / "b.ini").string(), "x"));
    EXPECT_FALSE(shell::writeFileAtomically((dir / "missing" / "c.ini").string(), "x"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST(SettingsLines, SurviveJunk)
{
    const fs::path file = test_support::tempPath("mystorin_settings.ini");
    std::string content = "12\r\n  -7 apples\n";
    content += std::string(150, 'z') + "\n";
    content += std::string("bin\0ary\n", 8);
    std::ofstream(file, std::ios::binary) << content;
    const auto lines = shell::readSettingsLines(file.string());
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "12");
    EXPECT_EQ(shell::settingsInt(lines[1], 0), -7);
    EXPECT_EQ(lines[2], std::string(98, 'z'));  // the rest of a long line is read as the next
    EXPECT_EQ(lines[3], std::string(52, 'z'));
    EXPECT_EQ(lines[4], "bin");
    EXPECT_EQ(shell::settingsInt("junk", 5), 5);
    EXPECT_EQ(shell::settingsInt("99999999999", 5), 5);
    EXPECT_EQ(shell::readSettingsLines("/nonexistent/x.ini").size(), 0u);
    EXPECT_EQ(shell::readSettingsLines(file.string(), 2).size(), 2u);
}

TEST(EscapeHtml, EscapesMarkup)
{
    EXPECT_EQ(shell::escapeHtml("<b>Tom & \"Jerry\"</b>"), "&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;");
}

}  // namespace files_test
