#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <QTemporaryDir>

#include "ballora/ballora.h"
#include "ballora/lottery.h"
#include "ballora/saved_inputs.h"
#include "tests/support/fake_services.h"

namespace ballora_test {

using namespace ballora;

// Birthday 7/4/1976, anna lee, selected 1/1/2000, max 50: the numbers 9 18 21 30 40 29.
LotteryInputs annaLee()
{
    LotteryInputs in;
    in.birthday = {7, 4, 1976};
    in.first = "anna";
    in.last = "lee";
    in.selected = {1, 1, 2000};
    return in;
}

void annaLee(BalloraData& d)
{
    d.birthday = {7, 4, 1976};
    d.first = "anna";
    d.last = "lee";
    d.selected = {1, 1, 2000};
}

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(BalloraRules, YearDigitOnlyInsideTheThreeCenturies)
{
    EXPECT_EQ(LotteryYearDigit(1905), 6);
    EXPECT_EQ(LotteryYearDigit(2005), 6);
    EXPECT_EQ(LotteryYearDigit(1976), 5);
    EXPECT_EQ(LotteryYearDigit(1817), 9);
    EXPECT_EQ(LotteryYearDigit(1899), 1);  // offset 99
    EXPECT_EQ(LotteryYearDigit(1799), 1);
    EXPECT_EQ(LotteryYearDigit(2100), 1);
    EXPECT_EQ(LotteryYearDigit(2142), 1);  // the sum of 12/31/2099
    EXPECT_EQ(LotteryYearDigit(250), 1);
}

TEST(BalloraRules, DayValueChangedByTheSelectedDay)
{
    EXPECT_EQ(DayValue({1, 1, 2000}), 5);    // 2002 -> 3, plus 2
    EXPECT_EQ(DayValue({1, 2, 2000}), 4);    // 2003 -> 4, no change
    EXPECT_EQ(DayValue({1, 5, 2000}), 15);   // 2006 -> 7, plus 8
    EXPECT_EQ(DayValue({1, 18, 2000}), 1);   // 2019 -> 2, |2 - 3|
    EXPECT_EQ(DayValue({3, 23, 2000}), 0);   // 2026 -> 9, |9 - 9|
    EXPECT_EQ(DayValue({1, 24, 2000}), 15);  // 2025 -> 8, plus 7
    EXPECT_EQ(DayValue({12, 31, 2099}), 6);  // 2142 -> 1, |1 - 7|
}

TEST(BalloraRules, CapKeepsTheLastDigitBelowBothLimits)
{
    EXPECT_EQ(Cap(20, 20, 50), 10);
    EXPECT_EQ(Cap(20, 20, 20), 10);
    EXPECT_EQ(Cap(20, 20, 10), 1);  // 20, 10, 0: and 0 becomes 1
    EXPECT_EQ(Cap(9, 10, 50), 9);
    EXPECT_EQ(Cap(9, 10, 10), 9);
    EXPECT_EQ(Cap(10, 10, 50), 1);
    EXPECT_EQ(Cap(49, 10, 50), 9);
    EXPECT_EQ(Cap(40, 40, 40), 30);
    EXPECT_EQ(Cap(50, 50, 50), 40);
    EXPECT_EQ(Cap(1000, 30, 50), 20);  // 40 below the max, then 20 below its ceiling
}

TEST(BalloraRules, TheWorkedExample)
{
    const LotteryResult r = LotteryNumbers(annaLee());
    EXPECT_EQ(r.total, 80);
    EXPECT_EQ(r.dayValue, 8);
    EXPECT_EQ(r.numbers, (std::array<int, 6>{9, 18, 21, 30, 40, 29}));
}

TEST(BalloraRules, EvenMonthAddsNothingAndMaxTenKeepsOneDigit)
{
    LotteryInputs in = annaLee();
    in.selected = {2, 1, 2000};  // 2003 -> 4, plus 2
    LotteryResult r = LotteryNumbers(in);
    EXPECT_EQ(r.total, 74);
    EXPECT_EQ(r.dayValue, 6);
    EXPECT_EQ(r.numbers, (std::array<int, 6>{4, 14, 26, 36, 45, 25}));

    in = annaLee();
    in.maxNumber = 10;
    r = LotteryNumbers(in);
    EXPECT_EQ(r.numbers, (std::array<int, 6>{9, 8, 1, 1, 1, 9}));
}

TEST(BalloraRules, NamesCountOnlyTheirLetters)
{
    LotteryInputs in = annaLee();
    in.middle = "b";
    EXPECT_EQ(LotteryNumbers(in).total, 82);
    EXPECT_EQ(LotteryNumbers(in).numbers[0], 1);  // 41 + 8 + 1 = 50: 40, then down to 0
    in.middle = "";
    in.last = "Lee 2";
    EXPECT_EQ(LotteryNumbers(in).numbers, LotteryNumbers(annaLee()).numbers);
    LotteryInputs hyphen = annaLee(), joined = annaLee();
    hyphen.first = "Anne-Marie";
    joined.first = "annemarie";
    EXPECT_EQ(LotteryNumbers(hyphen).total, LotteryNumbers(joined).total);
}

TEST(BalloraTexts, MaxNumberOnlyFromTheList)
{
    EXPECT_EQ(MaxNumberOf("10"), 10);
    EXPECT_EQ(MaxNumberOf("50"), 50);
    EXPECT_EQ(MaxNumberOf("60"), 0);
    EXPECT_EQ(MaxNumberOf(" 50"), 0);
    EXPECT_EQ(MaxNumberOf("5"), 0);
    EXPECT_EQ(MaxNumberOf(""), 0);
}

TEST(BalloraTexts, ConfirmationAndReport)
{
    BalloraData d;
    annaLee(d);
    d.birthday = {12, 25, 1980};
    d.middle = "b";
    d.maxText = "30";
    d.selected = {10, 5, 2001};
    EXPECT_EQ(ConfirmationText(d), "Is this information accurate?    \n\n"
                                   "Full Name:\tanna b lee     \n"
                                   "Birthday Info:\t12 25 1980\n"
                                   "Max Number:\t30\n"
                                   "Selected Date:\t10 5   2001\n");
    BalloraData w;
    annaLee(w);
    w.numbers = {9, 18, 21, 30, 40, 29};
    EXPECT_EQ(ReportText(w), std::string("Ballora Report For: anna  lee\n\n"
                                         "Birthday Info: 7 4 1976\n\n"
                                         "Selected Date: 1 1 2000\n\n"
                                         "Max Lottery Number: 50\n\n"
                                         "Lottery Numbers: 9  18  21  30  40  29\n\n\n") +
                                 kCopyrightLine + "\n");
    const std::string help = HelpText();
    EXPECT_EQ(help.rfind("Enter Data:\n\nFirst enter your birthdate", 0), 0u);
    EXPECT_NE(help.find("lottery game.\n\nGet Lottery Numbers:\n\nClick"), std::string::npos);
    EXPECT_NE(help.find("Report Button.\n\nTips:\n\nFor best"), std::string::npos);
}

TEST(BalloraChecks, InTheirOrder)
{
    FakeServices fake;
    Ballora b(fake.services);
    b.data.birthday = {2, 30, 1999};
    b.data.selected = {4, 31, 2000};
    EXPECT_FALSE(b.Calculate());
    b.data.birthday = {2, 29, 1900};  // every fourth year is a leap year here
    EXPECT_FALSE(b.Calculate());
    b.data.selected = {2, 1, 2000};
    EXPECT_FALSE(b.Calculate());
    b.data.first = "anna";
    EXPECT_FALSE(b.Calculate());
    b.data.last = "lee";
    b.data.maxText = "60";
    EXPECT_FALSE(b.Calculate());
    b.data.maxText = "20";
    EXPECT_FALSE(b.Calculate());  // no to the confirmation
    std::vector<std::string> texts;
    for (const RecordedBox& box : fake.ui.boxes)
        texts.push_back(box.text);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[0], "There are only 28 days in February!\nPlease correct it and then try again!    ");
    EXPECT_EQ(texts[1], "There are only 30 days in April, June, September, and November!\n"
                        "Please correct it and then try again!");
    EXPECT_EQ(texts[2], "Please enter first name!    ");
    EXPECT_EQ(texts[3], "Please enter last name!    ");
    EXPECT_EQ(texts[4], "Please select max number for your lottery game from the drop down box only!    ");
    EXPECT_EQ(fake.ui.boxes[5].icon, shell::Icon::Question);
    EXPECT_EQ(texts[6], "Please correct any mistakes and try again!    ");
    EXPECT_EQ(fake.ui.captions(), (std::vector<std::string>{"DATE ERROR", "DATE ERROR", "BALLORA", "BALLORA", "BALLORA",
                                                            "BALLORA", "BALLORA"}));
    EXPECT_EQ(fake.ui.boxes[6].icon, shell::Icon::Stop);

    fake.ui.answers.push_back(shell::Answer::Yes);
    EXPECT_TRUE(b.Calculate());
    EXPECT_EQ(b.data.maxNumber, 20);
    // Years outside 1900-2099 fail without a message.
    fake.ui.boxes.clear();
    b.data.birthday.year = 1850;
    EXPECT_FALSE(b.DatesValid());
    EXPECT_TRUE(fake.ui.boxes.empty());
}

TEST(BalloraReport, WrittenThenOffered)
{
    QTemporaryDir scratch;
    FakeServices fake;
    fake.paths.root = scratch.path().toStdString();
    Ballora b(fake.services);
    annaLee(b.data);
    fake.ui.answers = {shell::Answer::Yes, shell::Answer::Yes};
    ASSERT_TRUE(b.Report());
    const std::string folder = fake.paths.root + "/data/Reports/";
    const std::string path = folder + "ballora.txt";
    EXPECT_EQ(b.data.numbers, (std::array<int, 6>{9, 18, 21, 30, 40, 29}));
    EXPECT_EQ(contentOf(path), ReportText(b.data));
    ASSERT_EQ(fake.ui.boxes.size(), 3u);
    EXPECT_EQ(fake.ui.boxes[1].text, "REPORT WAS CREATED SUCCESSFULLY!\n____________________________________\n\n"
                                     "REPORT LOCATION:\n\n" +
                                         folder + "     \n\nREPORT NAME:\n\n" + path + "     ");
    EXPECT_EQ(fake.ui.boxes[2].caption, "BALLORA REPORT");
    EXPECT_EQ(fake.ui.boxes[2].text, "Do you want to view your report now?    ");
    EXPECT_EQ(fake.opener.opened, std::vector<std::string>{path});

    // A file where the folder should be: the failure message, and no numbers to show.
    std::filesystem::remove_all(fake.paths.root + "/data/Reports");
    std::ofstream(fake.paths.root + "/data/Reports") << "x";
    fake.ui.boxes.clear();
    fake.ui.answers = {shell::Answer::Yes};
    EXPECT_FALSE(b.Report());
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[1].icon, shell::Icon::Stop);
    EXPECT_EQ(fake.ui.boxes[1].text,
              "Report creation failed! Please make sure that the following directory exists:\n\n" + folder +
                  "\n\nIf directory does not exist, please create it first and then try to create report again.\n"
                  "If directory exists, please make sure you have free space on your hard drive.");
}

TEST(BalloraSavedInputs, JunkKeepsStartValuesAndTheMaxTextStandsAsItIs)
{
    BalloraData d;
    applySavedInputs({"13", "x", "1850", "Zoe"}, d);
    EXPECT_EQ(d.birthday.month, 1);
    EXPECT_EQ(d.birthday.day, 1);
    EXPECT_EQ(d.birthday.year, 1900);
    EXPECT_EQ(d.first, "Zoe");
    EXPECT_EQ(d.maxText, "50");  // no seventh line
    applySavedInputs({"7", "4", "1976", "anna", "", "lee", "60"}, d);
    EXPECT_EQ(d.birthday.month, 7);
    EXPECT_EQ(d.birthday.year, 1976);
    EXPECT_EQ(d.maxText, "60");
    EXPECT_EQ(savedInputsText(d), "7\n4\n1976\nanna\n\nlee\n60\n");
}

TEST(BalloraSavedInputs, LongNamesComeBackWhole)
{
    QTemporaryDir scratch;
    FakeServices fake;
    fake.paths.root = scratch.path().toStdString();
    BalloraData d;
    d.first = std::string(50, 'f');
    d.middle = std::string(49, 'm');
    d.last = std::string(100, 'l');
    d.maxText = "30";
    kSavedInputs.save(fake.paths, d);
    BalloraData back;
    kSavedInputs.load(fake.paths, back);
    EXPECT_EQ(back.first, d.first);
    EXPECT_EQ(back.middle, d.middle);
    EXPECT_EQ(back.last, d.last);
    EXPECT_EQ(back.maxText, "30");
}

}  // namespace ballora_test
