// Quorvex's buttons where the scenarios cannot reach: names that would leave the folder,
// files that cannot be written, letter case, against a scratch data folder.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "tests/support/temp_path.h"

#include "tests/support/fake_services.h"
#include "quorvex/quorvex.h"

namespace quorvex_buttons_test {

using namespace quorvex;
using shell::Answer;
using shell::Icon;
namespace fs = std::filesystem;

class QuorvexButtons : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = test_support::tempPath("quorvex_buttons_" +
                                      std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root);
        fake.paths.root = root.string();
        fake.clock.time = {2001, 7, 4, 9, 0, 0};
    }

    Quorvex& start()
    {
        core = std::make_unique<Quorvex>(fake.services);
        return *core;
    }

    // A complete item, as a user would type it.
    void fill(Quorvex& q, const std::string& name)
    {
        q.item.security = name;
        q.item.type = "Stock";
        q.item.investor = "Ann Lee";
        q.item.status = "Single";
        q.item.action = "Buy";
    }

    void write(const std::string& rel, const std::string& content)
    {
        fs::create_directories((root / "data" / rel).parent_path());
        std::ofstream(root / "data" / rel, std::ios::binary) << content;
    }

    std::string read(const std::string& rel)
    {
        std::ifstream file(root / "data" / rel, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    bool exists(const std::string& rel) { return fs::exists(root / "data" / rel); }
    const RecordedBox& last() { return fake.ui.boxes.back(); }

    FakeServices fake;
    fs::path root;
    std::unique_ptr<Quorvex> core;
};

TEST_F(QuorvexButtons, NamesThatWouldLeaveThePortfolioFolderAreRefused)
{
    Quorvex& q = start();
    for (const char* name : {"../IBM", "a/b", "a\\b", ".", ".."}) {
        fill(q, name);
        fake.ui.answers = {Answer::Yes};
        EXPECT_FALSE(q.Add()) << name;
        EXPECT_EQ(last().icon, Icon::Stop);
        EXPECT_EQ(last().text.rfind("The security name can not contain / or \\", 0), 0u) << name;
        fake.ui.answers.clear();
    }
    EXPECT_FALSE(exists("IBM.txt"));
    EXPECT_FALSE(exists("Portfolio"));
}

TEST_F(QuorvexButtons, ANameTooLongForAFileNameIsRefusedWithTheSharedMessage)
{
    // The edit takes 80 units; a record filled otherwise may hold more than 255 bytes.
    std::string name;
    for (int i = 0; i < 63; ++i)
        name += "\xF0\x9F\x98\x80";  // four bytes each: 252, and 256 with ".txt"
    Quorvex& q = start();
    fill(q, name);
    fake.ui.answers = {Answer::Yes};
    EXPECT_FALSE(q.Add());
    EXPECT_EQ(last().text, "This security can not be created, because its name is too long for a file name:\n\n" +
                               name + ".txt\n\nPlease use shorter names and try again.");
    EXPECT_FALSE(exists("Portfolio"));
    fill(q, name.substr(4) + "abc");  // 251 bytes, with ".txt" 255
    fake.ui.answers = {Answer::Yes};
    EXPECT_TRUE(q.Add());
    EXPECT_TRUE(exists("Portfolio/" + name.substr(4) + "abc.txt"));
}

TEST_F(QuorvexButtons, AddRefusesANameThatBeginsAListedOne)
{
    write("Portfolio/Portfolio.ini", "IBM\n");
    Quorvex& q = start();  // the list is read at start, before the user ever visits it
    fill(q, "ib");
    fake.ui.answers = {Answer::Yes};
    EXPECT_FALSE(q.Add());
    EXPECT_EQ(last().text, "Your portfolio already has this security.\n"
                           "To update it - edit any number of fields and click on the Save button.    ");
    EXPECT_FALSE(exists("Portfolio/ib.txt"));

    write("Portfolio/Portfolio.ini", "IB\n");
    q.ReloadNames();
    fill(q, "IBM");
    fake.ui.answers = {Answer::Yes};
    EXPECT_TRUE(q.Add());
    EXPECT_EQ(read("Portfolio/Portfolio.ini"), "IB\nIBM\n");
}

TEST_F(QuorvexButtons, AddThatCannotWriteTheListTakesTheNameBack)
{
    fs::create_directories(root / "data/Portfolio/Portfolio.ini");  // a folder where the file belongs
    Quorvex& q = start();
    fill(q, "IBM");
    fake.ui.answers = {Answer::Yes};
    EXPECT_FALSE(q.Add());
    EXPECT_EQ(last().text, "Can not save. Please free some space first.   ");
    EXPECT_TRUE(q.names.empty());
    EXPECT_EQ(q.item.security, "IBM");
}

TEST_F(QuorvexButtons, AddThatCannotWriteTheItemFileListsNothing)
{
    write("Portfolio/Portfolio.ini", "Apple\n");
    fs::create_directories(root / "data/Portfolio/IBM.txt");  // a folder where the file belongs
    Quorvex& q = start();
    fill(q, "IBM");
    fake.ui.answers = {Answer::Yes};
    EXPECT_FALSE(q.Add());
    EXPECT_EQ(last().text, "Can not save. Please free some space first.   ");
    EXPECT_EQ(q.names, (PortfolioNames{"Apple"}));
    EXPECT_EQ(read("Portfolio/Portfolio.ini"), "Apple\n");
}

TEST_F(QuorvexButtons, SaveRewritesOnlyAListedItem)
{
    Quorvex& q = start();
    fill(q, "IBM");
    EXPECT_FALSE(q.Save());
    EXPECT_EQ(last().text, "Can not save. Try to add the item to your portfolio first.   ");
    EXPECT_FALSE(exists("Portfolio"));

    write("Portfolio/Portfolio.ini", "IBM\n");
    q.ReloadNames();
    const std::size_t shown = fake.ui.boxes.size();
    fill(q, "ibm");  // the listed item, typed in other letter case
    q.item.shares = 250;
    q.Save();
    EXPECT_EQ(fake.ui.boxes.size(), shown);  // saving is silent
    EXPECT_EQ(read("Portfolio/IBM.txt"), "ibm\nStock\n\n1\n250\nAnn Lee\n1\n1\n1900\nSingle\n\n\nBuy\n7\n4\n2001");
    EXPECT_FALSE(exists("Portfolio/ibm.txt"));
}

TEST_F(QuorvexButtons, OpeningAnEntryLoadsItsFileOrSaysItIsMissing)
{
    write("Portfolio/IBM.txt", "IBM\nBond\nAmerican\n20\n30\nBo\n5\n6\n1970\nMarried\nTrust\nJo\nSell\n8\n9\n2002");
    Quorvex& q = start();
    EXPECT_TRUE(q.Open("IBM"));
    EXPECT_EQ(q.item.exchange, "American");
    EXPECT_EQ(q.item.selected, (numerology::Date{8, 9, 2002}));
    EXPECT_TRUE(fake.ui.boxes.empty());

    for (const char* entry : {"Gone", "../IBM"}) {
        EXPECT_FALSE(q.Open(entry));
        EXPECT_EQ(last().text, "Portfolio Item does not exist. Try to save it first.   ");
    }
    EXPECT_EQ(q.item.security, "IBM");
    EXPECT_FALSE(q.Open(""));
    EXPECT_EQ(last().text, "Please select a portfolio item you want to open first.   ");
}

TEST_F(QuorvexButtons, OddsReportThatCannotBeWrittenNamesItsFolder)
{
    write("Portfolio/Reports", "a file where the folder belongs");
    Quorvex& q = start();
    fill(q, "AB");
    fake.ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(q.Odds());
    EXPECT_EQ(last().icon, Icon::Stop);
    EXPECT_EQ(last().text, "Report creation failed! Please make sure that the following directory exists:\n\n" +
                               root.string() + "/data/Portfolio/Reports/" +
                               "\n\nIf directory does not exist, please create it first and then try to create "
                               "report again.\nIf directory exists, please make sure you have free space on your "
                               "hard drive.");
    EXPECT_TRUE(fake.opener.opened.empty());
}

}  // namespace quorvex_buttons_test
