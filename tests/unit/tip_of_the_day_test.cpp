// The tip of the day's rules, without its dialog: the start-up flag, where the next start
// continues, a tips file edited since, a missing one, and a profile that cannot be saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/tip_of_the_day.h"
#include "tests/support/fake_services.h"
#include "tests/support/temp_path.h"

namespace tip_of_the_day_test {

namespace fs = std::filesystem;

const shell::TipSpec kSpec{"tips.txt", "Zendary Tip of the Day", "Get Zendary Tip", "Launch Zendary"};

struct TipOfTheDayTest : ::testing::Test {
    TipOfTheDayTest()
    {
        static int count = 0;
        paths.root = test_support::tempPath("tip_of_the_day_" + std::to_string(++count)).string();
        fs::create_directories(paths.docsDir());
    }
    void writeTips(const std::string& text) const { std::ofstream(paths.docs("tips.txt"), std::ios::binary) << text; }
    void writeProfile(const std::string& text) const
    {
        fs::create_directories(paths.configDir());
        std::ofstream(profilePath(), std::ios::binary) << text;
    }
    std::string profilePath() const { return paths.configDir() + "/zendary.ini"; }
    std::string profileText() const
    {
        std::ifstream file(profilePath(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    FakePaths paths;
};

const char* const kFiveTips = "; tips\nfirst\n  indented\nsecond\nthird\nfourth\nfifth\n";

TEST_F(TipOfTheDayTest, ShowsAtStartUpOnlyWhenTheFlagIsZeroOrMissing)
{
    writeTips(kFiveTips);
    for (const auto& [profile, shown] : std::vector<std::pair<std::string, bool>>{{"", true},
                                                                                  {"[Tip]\nStartUp=0\n", true},
                                                                                  {"[Tip]\nStartUp=1\n", false},
                                                                                  {"[Tip]\nStartUp=7\n", false},
                                                                                  {"[Tip]\nStartUp=yes\n", true}}) {
        writeProfile(profile);
        EXPECT_EQ(shell::TipOfTheDay(kSpec, paths, "zendary").showAtStartUp(), shown) << profile;
    }
}

TEST_F(TipOfTheDayTest, TheNextStartContinuesAfterTheLastTipShown)
{
    writeTips(kFiveTips);
    {
        shell::TipOfTheDay tips(kSpec, paths, "zendary");
        EXPECT_EQ(tips.text(), "first");
        for (int i = 0; i < 3; ++i)
            tips.next();
        EXPECT_EQ(tips.text(), "fourth");
        EXPECT_TRUE(tips.save());
    }
    shell::TipOfTheDay again(kSpec, paths, "zendary");
    EXPECT_EQ(again.text(), "fifth");
    again.next();
    EXPECT_EQ(again.text(), "first");  // after the last line, from the top again
}

TEST_F(TipOfTheDayTest, ATipsFileEditedSinceStartsAtItsFirstTip)
{
    writeTips(kFiveTips);
    {
        shell::TipOfTheDay tips(kSpec, paths, "zendary");
        tips.next();
        EXPECT_TRUE(tips.save());
    }
    EXPECT_EQ(shell::TipOfTheDay(kSpec, paths, "zendary").text(), "third");
    fs::last_write_time(paths.docs("tips.txt"), fs::last_write_time(paths.docs("tips.txt")) - std::chrono::hours(1));
    EXPECT_EQ(shell::TipOfTheDay(kSpec, paths, "zendary").text(), "first");
}

TEST_F(TipOfTheDayTest, APositionBeyondTheEndStartsOverAndNoTipLineIsSaid)
{
    writeTips(kFiveTips);
    {
        shell::TipOfTheDay tips(kSpec, paths, "zendary");  // stores the file's time stamp
        EXPECT_TRUE(tips.save());
    }
    std::string profile = profileText();
    profile.replace(profile.find("FilePos="), std::string::npos, "FilePos=99999\n");
    writeProfile(profile);
    EXPECT_EQ(shell::TipOfTheDay(kSpec, paths, "zendary").text(), "first");

    writeTips("; only a comment\n   and an indented line\n");
    shell::TipOfTheDay none(kSpec, paths, "zendary");
    EXPECT_TRUE(none.hasTips());
    EXPECT_EQ(none.text(), shell::kNoTipsYet);
}

TEST_F(TipOfTheDayTest, AMissingTipsFileSaysSoAndSavesNoPosition)
{
    shell::TipOfTheDay tips(kSpec, paths, "zendary");
    EXPECT_FALSE(tips.hasTips());
    EXPECT_EQ(tips.text(), "Tips file does not exist in the default directory");
    tips.next();
    EXPECT_EQ(tips.text(), shell::kNoTipsYet);
    tips.launch(true);
    EXPECT_TRUE(tips.save());
    EXPECT_EQ(profileText(), "[Tip]\nStartUp=0\n");
}

TEST_F(TipOfTheDayTest, LaunchRemembersTheCheckBoxAndClosingOtherwiseDoesNot)
{
    writeTips(kFiveTips);
    writeProfile("[Tip]\nStartUp=1\n");
    {
        shell::TipOfTheDay closed(kSpec, paths, "zendary");  // closed with Escape: no launch()
        EXPECT_TRUE(closed.save());
    }
    EXPECT_FALSE(shell::TipOfTheDay(kSpec, paths, "zendary").showAtStartUp());
    {
        shell::TipOfTheDay ticked(kSpec, paths, "zendary");
        ticked.launch(true);
        EXPECT_TRUE(ticked.save());
    }
    EXPECT_TRUE(shell::TipOfTheDay(kSpec, paths, "zendary").showAtStartUp());
    {
        shell::TipOfTheDay cleared(kSpec, paths, "zendary");
        cleared.launch(false);
        EXPECT_TRUE(cleared.save());
    }
    EXPECT_NE(profileText().find("StartUp=1\n"), std::string::npos);
}

TEST_F(TipOfTheDayTest, AProfileThatCannotBeWrittenIsReportedAndKeptAsItWas)
{
    writeTips(kFiveTips);
    fs::create_directories(profilePath());  // a folder where the profile should be
    shell::TipOfTheDay tips(kSpec, paths, "zendary");
    tips.next();
    tips.launch(false);
    EXPECT_FALSE(tips.save());
    EXPECT_TRUE(fs::is_directory(profilePath()));
}

}  // namespace tip_of_the_day_test
