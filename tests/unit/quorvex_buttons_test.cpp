// Quorvex's buttons: the checks in their order, Add, Save, Delete, opening an entry and
// the odds report, against a scratch data folder.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "fake_services.h"
#include "quorvex/quorvex.h"

using namespace quorvex;
using shell::Answer;
using shell::Icon;
namespace fs = std::filesystem;

namespace {

class QuorvexButtons : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() /
               ("quorvex_buttons_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
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

}  // namespace

TEST_F(QuorvexButtons, ChecksSpeakInTheirOrder)
{
    Quorvex& q = start();
    EXPECT_FALSE(q.Validate());
    EXPECT_EQ(last().text, "Please enter name of the security.   ");
    EXPECT_EQ(last().caption, "QUORVEX");
    EXPECT_EQ(last().icon, Icon::Stop);

    q.item.security = "IBM";
    q.item.birthday = {2, 29, 1901};
    q.item.selected = {4, 31, 2001};
    EXPECT_FALSE(q.Validate());
    EXPECT_EQ(last().caption, "DATE ERROR");
    EXPECT_EQ(last().text, "There are only 28 days in February.\nPlease correct it and then try again.    ");
    q.item.birthday = {2, 30, 1900};
    EXPECT_FALSE(q.Validate());
    EXPECT_EQ(last().text, "There are only 29 days in February.\nPlease correct it and then try again.    ");
    q.item.birthday = {2, 29, 1900};  // every year divisible by four is a leap year
    EXPECT_FALSE(q.Validate());
    EXPECT_EQ(last().text,
              "There are only 30 days in April, June, September, and November.\nPlease correct it and then try again.");
    q.item.selected = {4, 30, 2001};

    const char* const messages[] = {"Please select security type.   ", "Please enter investor's name.   ",
                                    "Please enter investor's status.   ", "Please select desired action.   "};
    std::string* fields[] = {&q.item.type, &q.item.investor, &q.item.status, &q.item.action};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(q.Validate());
        EXPECT_EQ(last().text, messages[i]);
        *fields[i] = "x";
    }
    const std::size_t shown = fake.ui.boxes.size();
    EXPECT_TRUE(q.Validate());
    q.item.shares = 5001;  // out of range: refused without a word
    EXPECT_FALSE(q.Validate());
    EXPECT_EQ(fake.ui.boxes.size(), shown);
}

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

TEST_F(QuorvexButtons, AddAsksThenKeepsTheItemAndItsNameAndClears)
{
    Quorvex& q = start();
    fill(q, "IBM");
    q.item.price = 50;
    q.item.birthday = {3, 14, 1975};
    fake.ui.answers = {Answer::Yes};
    EXPECT_TRUE(q.Add());
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].icon, Icon::Question);
    EXPECT_EQ(fake.ui.boxes[0].text,
              "Is this information accurate?   \n\nSelected Date:\t7  4  2001\nSecurity Name:\tIBM    \n"
              "Security Type:\tStock\nStock Exchange:\t\nPrice Per Share:\t50\nNumber of Shares:\t100\n\n"
              "Investor's Name:\tAnn Lee    \nBirthday:\t\t3  14  1975\nStatus:\t\tSingle\nAccount Type:\t\n"
              "Broker:\t\t    \nAction:\t\tBuy\n");
    EXPECT_EQ(last().text, "Item was successfully added to your portfolio.   ");
    EXPECT_EQ(last().icon, Icon::Information);
    EXPECT_EQ(read("Portfolio/Portfolio.ini"), "IBM\n");
    EXPECT_EQ(read("Portfolio/IBM.txt"), "IBM\nStock\n\n50\n100\nAnn Lee\n3\n14\n1975\nSingle\n\n\nBuy\n7\n4\n2001");
    EXPECT_EQ(q.item.security, "");
    EXPECT_EQ(q.item.price, 1);
    EXPECT_EQ(q.item.birthday, (numerology::Date{3, 14, 1975}));  // birthday and date stay
    EXPECT_EQ(q.names, (PortfolioNames{"IBM"}));
}

TEST_F(QuorvexButtons, AddAnsweredNoWritesNothing)
{
    Quorvex& q = start();
    fill(q, "IBM");
    fake.ui.answers = {Answer::No};
    EXPECT_FALSE(q.Add());
    EXPECT_EQ(last().text, "Please correct any mistakes and try again.   ");
    EXPECT_EQ(last().icon, Icon::Stop);
    EXPECT_FALSE(exists("Portfolio"));
    EXPECT_EQ(q.item.security, "IBM");
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

TEST_F(QuorvexButtons, DeleteAsksThenRemovesTheEntryAndItsFile)
{
    write("Portfolio/Portfolio.ini", "Apple\nIBM\nZeta\n");
    write("Portfolio/IBM.txt", "IBM\n");
    Quorvex& q = start();
    fill(q, "IBM");
    fake.ui.answers = {Answer::No};
    EXPECT_FALSE(q.Delete());
    EXPECT_EQ(last().text, "Are you sure you want to delete this item from your portfolio?   ");
    EXPECT_EQ(q.names.size(), 3u);

    fake.ui.answers = {Answer::Yes};
    EXPECT_TRUE(q.Delete());
    EXPECT_EQ(last().text, "Item was successfully removed from your portfolio.   ");
    EXPECT_EQ(read("Portfolio/Portfolio.ini"), "Apple\nZeta\n");
    EXPECT_FALSE(exists("Portfolio/IBM.txt"));
    EXPECT_EQ(q.item.security, "");
}

TEST_F(QuorvexButtons, DeleteOfAListedItemWithoutFileSaysSoAndStillRemovesIt)
{
    write("Portfolio/Portfolio.ini", "IBM\n");
    Quorvex& q = start();
    fill(q, "IBM");
    fake.ui.answers = {Answer::Yes};
    EXPECT_TRUE(q.Delete());
    ASSERT_GE(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[fake.ui.boxes.size() - 2].text, "Item was successfully removed from your portfolio.   ");
    EXPECT_EQ(last().text, "Can't delete file from the disk. File not found.   ");
    EXPECT_EQ(read("Portfolio/Portfolio.ini"), "");
}

TEST_F(QuorvexButtons, DeleteNeedsTheWholeNameOfAnEntry)
{
    write("Portfolio/Portfolio.ini", "IBM\n");
    write("Portfolio/IBM.txt", "IBM\n");
    Quorvex& q = start();
    fill(q, "IB");
    EXPECT_FALSE(q.Delete());
    EXPECT_EQ(last().text, "Item was not found in your portfolio.   ");
    EXPECT_EQ(q.names, (PortfolioNames{"IBM"}));
    EXPECT_TRUE(exists("Portfolio/IBM.txt"));
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

TEST_F(QuorvexButtons, OddsReportIsWrittenAndOpenedOnYes)
{
    Quorvex& q = start();
    fill(q, "AB");
    fake.ui.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    EXPECT_TRUE(q.Odds());
    const std::string path = root.string() + "/data/Portfolio/Reports/AB.txt";
    ASSERT_EQ(fake.ui.boxes.size(), 5u);
    EXPECT_EQ(fake.ui.boxes[1].icon, Icon::Information);
    EXPECT_EQ(fake.ui.boxes[2].text, "Do you want to create a report?    ");
    EXPECT_EQ(fake.ui.boxes[3].text, "REPORT WAS CREATED SUCCESSFULLY!\n" + std::string(36, '_') + "\n\n" + path + "    ");
    EXPECT_EQ(fake.ui.boxes[4].text, "Do you want to view your report right now?    ");
    EXPECT_EQ(fake.opener.opened, (std::vector<std::string>{path}));
    const std::string report = read("Portfolio/Reports/AB.txt");
    EXPECT_EQ(report.rfind(fake.ui.boxes[1].text + "\n\n", 0), 0u);
    EXPECT_EQ(report.find('\n', fake.ui.boxes[1].text.size() + 2), report.size() - 1);  // one footer line
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
