// Kismora's date book and the analysis of a date against the ideal partner.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/temp_path.h"

#include "tests/support/fake_services.h"
#include "kismora/analysis.h"
#include "kismora/date_book.h"
#include "kismora/note.h"

namespace kismora_date_book_test {

namespace fs = std::filesystem;
using kismora::DateProfile;

DateProfile person(const std::string& name, int feet, int inches)
{
    DateProfile p;
    p.name = name;
    p.gender = "male";
    p.hair = "black";
    p.eyes = "green";
    p.feet = feet;
    p.inches = inches;
    p.weight = 170;
    return p;
}

std::vector<std::string> matchColumn(const kismora::AnalysisGrid& grid)
{
    std::vector<std::string> out;
    for (const auto& row : grid.cells)
        out.push_back(row[4]);
    return out;
}

TEST(KismoraAnalysis, NameCountsOnlyWhenAskedAndSixMatchesMakeAHundred)
{
    const DateProfile you = person("Ann", 5, 4), date = person("Cy", 5, 10), ideal = person("Kismora", 5, 10);
    const auto group = "physical appearance criteria";
    auto grid = kismora::BuildGrid(you, date, ideal, group, false);
    ASSERT_TRUE(grid);
    EXPECT_EQ(matchColumn(*grid), (std::vector<std::string>{" ", "Yes", "Yes", "Yes", "Yes", "Yes"}));
    EXPECT_EQ(grid->score, 100);
    EXPECT_EQ(grid->cells[4][2], "5 feet 10 inches");
    grid = kismora::BuildGrid(you, date, ideal, group, true);
    EXPECT_EQ(grid->cells[0][4], "No");
    EXPECT_EQ(grid->score, 85);
    // Equal names match either way.
    EXPECT_EQ(kismora::BuildGrid(you, ideal, ideal, group, true)->score, 100);
}

TEST(KismoraAnalysis, HeightsCompareAsTextAndTheYouColumnDoesNotCount)
{
    const DateProfile date = person("Cy", 5, 10), ideal = person("Kismora", 5, 9);
    const auto grid = kismora::BuildGrid(person("Ann", 5, 9), date, ideal, "physical appearance criteria", true);
    EXPECT_EQ(grid->cells[4][4], "No");
    EXPECT_EQ(grid->score, 68);
    EXPECT_FALSE(kismora::BuildGrid(date, date, ideal, "", false));
    EXPECT_FALSE(kismora::BuildGrid(date, date, ideal, "Physical appearance criteria", false));
}

TEST(KismoraAnalysis, TitleNamesWeekdayMonthAndTwoDigitDay)
{
    EXPECT_EQ(kismora::AnalysisTitle({2026, 12, 6}, "Cy"), "Sunday, December 06, 2026 - Analyzing Cy");
    EXPECT_EQ(kismora::AnalysisTitle({2000, 2, 29}, "Ann Lee"), "Tuesday, February 29, 2000 - Analyzing Ann Lee");
    EXPECT_EQ(kismora::AnalysisTitle({1999, 1, 15}, "B"), "Friday, January 15, 1999 - Analyzing B");
}

TEST(KismoraAnalysis, ReportSeparatorsDependOnTheValues)
{
    DateProfile you, date, ideal;
    you.religion = "christianity";
    date.religion = "none";
    you.drinking = "occasional";
    date.drinking = "every day";
    you.outdoors = "casual";
    date.outdoors = "casual";
    ideal.outdoors = "casual";
    you.occupation = "1234567";
    date.occupation = "12345678";
    ideal.occupation = "Cook";
    const std::string text = kismora::ReportText(you, date, ideal);
    EXPECT_NE(text.find("\nReligion:\tchristianity\tnone\t\t\n"), std::string::npos);
    EXPECT_NE(text.find("\nDrinking:\toccasional\tevery day\t\t\n"), std::string::npos);
    EXPECT_NE(text.find("\nOutdoors:\tcasual    \tcasual    \tcasual\n"), std::string::npos);
    EXPECT_NE(text.find("\nOccupation:\t1234567   \t12345678\tCook\n"), std::string::npos);
    EXPECT_NE(text.find("\nHeight:\t\t0' 0\"\t\t0' 0\"\t\t0' 0\"\n"), std::string::npos);
    EXPECT_TRUE(text.starts_with("Kismora Report\n\nName:\t\t\t\n"));
}

TEST(KismoraDateBook, IndexIsReadTolerantlyAndWrittenOneNameALine)
{
    const fs::path root = test_support::tempPath("kismora_date_book_test");
    fs::remove_all(root);
    fs::create_directories(root);
    std::ofstream(root / "index.ini", std::ios::binary) << "Zoe\r\n\nAnn Lee\n" + std::string(300, 'x');
    const auto names = kismora::LoadDateNames((root / "index.ini").string());
    EXPECT_EQ(names, (std::vector<std::string>{"Zoe", "Ann Lee", std::string(300, 'x')}));
    EXPECT_TRUE(kismora::LoadDateNames((root / "missing.ini").string()).empty());
    EXPECT_EQ(kismora::DateNamesFileText({"Zoe", "Ann"}), "Zoe\nAnn\n");
    EXPECT_EQ(kismora::DateNamesFileText({}), "");
    fs::remove_all(root);
}

TEST(KismoraDateBook, DeletingAHandWrittenNameNeverRemovesAFileOutsideTheFolder)
{
    const fs::path root = test_support::tempPath("kismora_delete_test");
    fs::remove_all(root);
    fs::create_directories(root / "data/Kismora");
    std::ofstream(root / "data/outside.txt") << "keep";
    std::ofstream(root / "data/Kismora/index.ini") << "../outside\nAnn\n";
    std::ofstream(root / "data/Kismora/Ann.txt") << "Ann";
    FakeServices fake;
    fake.paths.root = root.string();
    kismora::DateBook book(fake.services);
    book.selected = "../outside";
    fake.ui.answers = {shell::Answer::Yes, shell::Answer::Yes};
    EXPECT_TRUE(book.Delete(0));
    EXPECT_TRUE(fs::exists(root / "data/outside.txt"));
    EXPECT_EQ(book.names, std::vector<std::string>{"Ann"});
    book.selected = "Ann";
    EXPECT_TRUE(book.Delete(0));
    EXPECT_FALSE(fs::exists(root / "data/Kismora/Ann.txt"));
    EXPECT_TRUE(book.names.empty());
    EXPECT_TRUE(book.selected.empty());
    fs::remove_all(root);
}

TEST(KismoraDateBook, WritesThatFailSayWhatHappened)
{
    const fs::path root = test_support::tempPath("kismora_write_failures");
    fs::remove_all(root);
    // Folders standing where the files belong make every write fail.
    fs::create_directories(root / "data/Kismora/report.txt");
    fs::create_directories(root / "data/Kismora/Notes/Cy.txt");
    for (const char* name : {"personal.ini", "select.ini", "Cy.txt"})
        std::ofstream(root / "data/Kismora" / name) << "x";
    FakeServices fake;
    fake.paths.root = root.string();
    kismora::Analysis analysis(fake.services, "Cy");
    ASSERT_TRUE(analysis.ready);
    analysis.Report();
    ASSERT_EQ(fake.ui.boxes.size(), std::size_t(1));
    EXPECT_EQ(fake.ui.boxes[0].text, "Report creation failed! Please free some space on your hard drive first!");
    EXPECT_TRUE(fake.opener.opened.empty());

    kismora::Note note(fake.services, "Cy");
    note.text = "Hello";
    EXPECT_FALSE(note.Save());
    EXPECT_EQ(fake.ui.boxes.back().text, "Can not save. Please free some space on you hard drive first.    ");
    fs::remove_all(root);
}

}  // namespace kismora_date_book_test
