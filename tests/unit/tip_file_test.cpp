#include <gtest/gtest.h>

#include "tests/support/temp_path.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "shell/tip_file.h"

namespace tip_file_test {

std::string writeTemp(const std::string& name, const std::string& content)
{
    const auto path = test_support::tempPath("mystorin_tip_" + name);
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

TEST(TipFile, SkipsCommentsIndentedAndEmptyLinesAndWraps)
{
    shell::TipFile tips(writeTemp("wrap", "; a comment\nfirst\n\n  indented\n\tTabbed\nsecond\r\n"));
    ASSERT_TRUE(tips.isOpen());
    EXPECT_EQ(tips.next(), "first");
    EXPECT_EQ(tips.next(), "second");
    EXPECT_EQ(tips.next(), "first");
}

TEST(TipFile, ContinuesFromAStoredPositionAndRestartsBeyondTheEnd)
{
    shell::TipFile tips(writeTemp("pos", "one\ntwo\nthree\n"));
    ASSERT_TRUE(tips.seek(4));
    EXPECT_EQ(tips.next(), "two");
    EXPECT_EQ(tips.position(), 8);
    ASSERT_TRUE(tips.seek(1000));
    EXPECT_EQ(tips.next(), "one");
    EXPECT_FALSE(tips.seek(-3));
}

TEST(TipFile, AFileWithoutTipsEndsTheSearch)
{
    for (const char* content : {"", "; only\n; comments\n", "  \n\t\n\n", "\0\0\0"}) {
        shell::TipFile tips(writeTemp("none", content));
        ASSERT_TRUE(tips.isOpen());
        EXPECT_EQ(tips.next(), std::nullopt);
    }
}

TEST(TipFile, LongLinesComeInPiecesOf999)
{
    const std::string line(1500, 'x');
    shell::TipFile tips(writeTemp("long", line + "\n"));
    EXPECT_EQ(tips.next(), std::string(999, 'x'));
    EXPECT_EQ(tips.next(), std::string(501, 'x'));
}

TEST(TipFile, MissingFile)
{
    shell::TipFile tips("/nonexistent/tips.txt");
    EXPECT_FALSE(tips.isOpen());
    EXPECT_EQ(tips.next(), std::nullopt);
    EXPECT_EQ(tips.modificationTime(), "");
}

}  // namespace tip_file_test
