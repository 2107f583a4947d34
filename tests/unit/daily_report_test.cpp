#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/support/temp_path.h"
#include "tests/support/fake_services.h"
#include "zendary/readings/daily_report.h"
#include "zendary/readings/daily_report_text.h"

namespace daily_report_test {

using namespace zendary;
using numerology::StarNumbers;

TEST(DailyReportVerdicts, FirstMatchingRowWins)
{
    const StarNumbers s{3, 2, 8, 5, 1};
    EXPECT_STREQ(dayVerdicts(3, s).evilEye, "Not susceptible to the Evil Eye.");
    EXPECT_STREQ(dayVerdicts(5, s).fate, "Decisions you make today can change your fate for the better.  ");
    EXPECT_STREQ(dayVerdicts(8, s).evilEye, "Susceptible to the Evil Eye.");
    EXPECT_STREQ(dayVerdicts(8, s).advice, "Please be careful today.");
    EXPECT_STREQ(dayVerdicts(1, s).evilEye, "Someone put the Evil Eye on you.");
    EXPECT_STREQ(dayVerdicts(1, s).fate, "Decisions you make today can have catastrophic effect on your fate.  ");
    EXPECT_STREQ(dayVerdicts(1, s).advice, "Please be extremely careful today.");
    EXPECT_STREQ(dayVerdicts(7, s).fate, "Decisions you make today can not affect your fate.  ");
    EXPECT_STREQ(dayVerdicts(7, s).advice, "Just follow your normal daily routine.");
    // s2 = s4: the s2 row comes first.
    EXPECT_STREQ(dayVerdicts(4, StarNumbers{1, 2, 4, 3, 4}).advice, "Please be careful today.");
}

TEST(DailyReportName, MonthDayYearWithoutLeadingZeros)
{
    EXPECT_EQ(reportName({7, 4, 2001}), "7-4-2001");
    EXPECT_EQ(reportName({3, 12, 2005}), "3-12-2005");
}

TEST(DailyReportHtml, EveryLineAParagraphLongLinesInPieces)
{
    const std::string header = "<HTML><HEAD><!-- Copyright (C) 2000-2026 Mystorin. For entertainment purposes only. -->"
                               "</HEAD><STRONG><BODY BGCOLOR=\"#F00000\" TEXT=\"#FFFF00\"><H4><P>";
    const std::string footer = "</H4></STRONG></BODY></HTML>";
    const std::string a398(398, 'a'), b102(102, 'b');
    EXPECT_EQ(
        reportHtml("TITLE\n\nx < y & \"z\"\n" + a398 + b102 + "\n" + a398),
        header + "TITLE<P><P>x &lt; y &amp; &quot;z&quot;<P>" + a398 + "<P>" + b102 + "<P>" + a398 + "<P>" + footer);
    // A final line break ends the last line; it does not start another.
    EXPECT_EQ(reportHtml("one\n"), header + "one<P>" + footer);
    EXPECT_EQ(reportHtml("\n"), header + "<P>" + footer);
}

TEST(DailyReportSign, SevenReportTextsInOrder)
{
    const SignTexts& t = signTexts(Sign::Aries);
    const std::string expected =
        std::string(t.profile) + "\n" + t.love + "\n" + t.body + "\n\n" + t.food + "\n" + t.wealth + "\n" + t.links +
        "\n\nAssociations\n\nBody area: \tHead and face\nColour: \tRed\nMetal: \t\tIron\nStone: \t\tDiamond\n"
        "Plants: \tThistle, nettle, red poppy\nCountries: \tEngland, Germany, Poland\n" +
        t.traits + "\n\nPositive Arian traits\n\n" + (std::string(t.positive).substr(23)) + "\n" +
        "\nAries most compatible signs\n\nARIES\nGEMINI\nLEO\nSAGITTARIUS\nAQUARIUS\n\n"
        "Aries least compatible signs\n\nTAURUS\nCANCER\nVIRGO\nCAPRICORN\nPISCES";
    EXPECT_EQ(signReport(Sign::Aries), expected);
    // Several colours take the plural label.
    EXPECT_NE(signReport(Sign::Leo).find("\nColors: \tGold, orange\n"), std::string::npos);
    // Every sign has all seven texts, its associations and its couples at the end.
    for (int i = 0; i < numerology::kSignCount; ++i) {
        const Sign sign = static_cast<Sign>(i);
        const std::string report = signReport(sign), name = numerology::SignName(sign);
        EXPECT_NE(report.find("\n\nAssociations\n\nBody area: \t"), std::string::npos) << name;
        EXPECT_NE(report.find("\nCountries: \t"), std::string::npos) << name;
        EXPECT_NE(report.find("\n\nPositive "), std::string::npos) << name;
        const std::string couples = "\n" + name + " most compatible signs\n\n";
        EXPECT_NE(report.find(couples), std::string::npos) << name;
    }
}

struct DailyReportFixture : ::testing::Test {
    DailyReportFixture()
    {
        std::string pattern = test_support::tempPath("daily_report.XXXXXX").string();
        root = mkdtemp(pattern.data());
        fake.paths.root = root;
        z.data.own = {1, 21, 1970};
        z.data.mother = {5, 14, 1945};
        z.data.father = {9, 3, 1940};
        z.data.selected = {3, 12, 2005};
    }
    ~DailyReportFixture() override { std::filesystem::remove_all(root); }

    std::string read(const std::string& rel)
    {
        std::ifstream file(root + "/data/Reports/" + rel, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    std::string root;
    FakeServices fake;
    Zendary z{fake.services};
};

TEST_F(DailyReportFixture, TextReportOfTheSunSignAndTheStoredNumbers)
{
    fake.ui.answers = {shell::Answer::Yes, shell::Answer::No, shell::Answer::No};
    ASSERT_TRUE(DailyReport(z));
    EXPECT_FALSE(z.reportMode);
    EXPECT_EQ(z.lucky, (std::array<int, 3>{9, 6, 15}));
    EXPECT_EQ(z.unlucky, (std::array<int, 3>{24, 3, 18}));
    const std::string text = read("3-12-2005.txt");
    EXPECT_EQ(text.substr(0, 62), "NUMEROLOGICAL REPORT\n\nSTARS READING\n\nMarch 12 2005 Good Day! \n");
    EXPECT_NE(text.find("\n\nASTROLOGICAL REPORT\n\n" + std::string(signTexts(Sign::Aquarius).profile) + "\n"),
              std::string::npos);
    EXPECT_TRUE(fake.opener.opened.empty());

    // Born a day earlier: the Capricorn texts replace the report of the same date.
    z.data.own.day = 20;
    fake.ui.answers = {shell::Answer::Yes, shell::Answer::No, shell::Answer::No};
    ASSERT_TRUE(DailyReport(z));
    // Star numbers 2, 4, 8, 6, 3 and day number 3 = s4: a bad day under the Evil Eye;
    // lucky 6, 12, 18, so the unlucky 24, 9, 18 turn into 24, 9, 21.
    const std::string opening =
        "NUMEROLOGICAL REPORT\n\nSTARS READING\n\nMarch 12 2005 Bad Day! \n\n\n"
        "EVIL EYE READING\n\nSomeone put the Evil Eye on you.\n\n\n"
        "FATE READING\n\nDecisions you make today can have catastrophic effect on your fate.  \n\n\n"
        "DEATH READING\n\nPlease be extremely careful today.\n\n\n"
        "LUCKY NUMBERS\n\n6    12    18\n\n\nUNLUCKY NUMBERS\n\n24    9    21\n\n"
        "ASTROLOGICAL REPORT\n\nCAPRICORN\n\n22 December -- 20 January\n\n";
    EXPECT_EQ(read("3-12-2005.txt").substr(0, opening.size()), opening);
    EXPECT_NE(read("3-12-2005.txt").find(signTexts(Sign::Capricorn).profile), std::string::npos);
    EXPECT_EQ(read("3-12-2005.txt").find(signTexts(Sign::Aquarius).profile), std::string::npos);
}

TEST_F(DailyReportFixture, HtmlStepFailureKeepsTheTextReport)
{
    std::filesystem::create_directories(root + "/data/Reports/3-12-2005.html");
    fake.ui.answers = {shell::Answer::Yes, shell::Answer::No, shell::Answer::Yes};
    EXPECT_FALSE(DailyReport(z));
    EXPECT_FALSE(z.reportMode);
    EXPECT_FALSE(read("3-12-2005.txt").empty());
    ASSERT_FALSE(fake.ui.boxes.empty());
    EXPECT_EQ(fake.ui.boxes.back().icon, shell::Icon::Stop);
    EXPECT_EQ(fake.ui.boxes.back().text.rfind("Report creation failed! Please make sure", 0), 0u);
}

TEST_F(DailyReportFixture, NoToTheQuestionWritesNothing)
{
    fake.ui.answers = {shell::Answer::No};
    EXPECT_FALSE(DailyReport(z));
    EXPECT_FALSE(std::filesystem::exists(root + "/data/Reports"));
    EXPECT_EQ(z.lucky, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(z.rememberedDates(), z.currentDates());
}

}  // namespace daily_report_test
