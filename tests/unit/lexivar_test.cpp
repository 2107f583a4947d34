#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "lexivar/lexivar.h"
#include "lexivar/saved_inputs.h"
#include "numerology/numerology.h"
#include "tests/support/fake_services.h"

namespace lexivar_test {

using namespace lexivar;

// The message the number tests and the decode runs share: Bob Ray writes to Ann Lee.
void fromBobRayToAnnLee(LexivarData& d)
{
    d.senderFirst = "Bob";
    d.senderLast = "Ray";
    d.recipientFirst = "Ann";
    d.recipientLast = "Lee";
}

TEST(LexivarNumbers, ClueNumberAddsTheTicksToTheLetterSum)
{
    // message 69 + from 52 + mother 79 = 200: NumberDigit gives the last two digits, 0.
    EXPECT_EQ(ClueNumber("message from mother", 0), 0);
    EXPECT_EQ(ClueNumber("message from mother", 4), 4);
    // message 69 + from 52 + a 1 + man 28 = 150 -> YearDigit(50) = 6; with four ticks 154 -> 1.
    EXPECT_EQ(ClueNumber("message from a man", 0), 6);
    EXPECT_EQ(ClueNumber("message from a man", 4), 1);
}

TEST(LexivarNumbers, SumsFrom2100OnGiveOne)
{
    EXPECT_EQ(numerology::NumberDigit(2100), 0);
    EXPECT_EQ(LexNumberDigit(2100), 1);
    EXPECT_EQ(LexNumberDigit(5000), 1);
    EXPECT_EQ(LexNumberDigit(2099), 1);  // 2099 is inside the centuries: offset 99
    EXPECT_EQ(LexNumberDigit(1950), 6);
    EXPECT_EQ(LexNumberDigit(105), 5);
}

TEST(LexivarNumbers, NamesNumber)
{
    LexivarData d;
    // Bob 19 + Ray 44 = 63 -> 1; Ann 29 + Lee 22 = 51 -> 7; 1 + 7 = 8 -> 9.
    fromBobRayToAnnLee(d);
    EXPECT_EQ(NamesNumber(d), 9);
    // 50 + 80 letters "z": 3380 -> 1 here (the shared rule would give 0); Ann Lee 7; 8 -> 9.
    d.senderFirst = std::string(50, 'z');
    d.senderLast = std::string(80, 'z');
    EXPECT_EQ(NamesNumber(d), 9);
}

TEST(LexivarNumbers, BirthAndDateNumbers)
{
    EXPECT_EQ(BirthNumber({1, 1, 1900}), 1);
    EXPECT_EQ(BirthNumber({9, 29, 1926}), 2);
    EXPECT_EQ(DateNumber({1, 1, 2000}), 3);
    // 1999 -> 1, December 3, 31 -> 4: 8.
    EXPECT_EQ(DateNumber({12, 31, 1999}), 8);
    // 2008 -> 9, September 9, 29 -> 2: 20 -> 2.
    EXPECT_EQ(DateNumber({9, 29, 2008}), 2);
}

TEST(LexivarNumbers, DecodingRuleTakesTheFourNumbersAndTheirSum)
{
    LexivarData d;
    fromBobRayToAnnLee(d);
    d.clue = "message from a man";
    d.selected = {1, 1, 2000};
    d.flags[Letter] = d.flags[Personal] = d.flags[Friend] = d.flags[Coworker] = true;
    const numerology::DecodingRule rule = DecodingRuleFor(d);
    EXPECT_EQ(rule.firstStart, 3u);
    EXPECT_EQ(rule.firstSteps, (numerology::SkipSteps{1, 9, 1, 3}));
    EXPECT_EQ(rule.shortEnough, 14u);
    EXPECT_EQ(rule.secondSteps, (numerology::SkipSteps{2, 2, 2, 2}));
}

TEST(LexivarSavedInputs, FiveLinesRoundTrip)
{
    LexivarData d;
    d.birthday = {7, 4, 1975};
    d.recipientFirst = "Ann";
    d.recipientLast = "Lee";
    EXPECT_EQ(savedInputsText(d), "7\n4\n1975\nAnn\nLee\n");
    LexivarData back;
    applySavedInputs({"7", "4", "1975", "Ann", "Lee"}, back);
    EXPECT_EQ(back.birthday, d.birthday);
    EXPECT_EQ(back.recipientFirst, "Ann");
    EXPECT_EQ(back.recipientLast, "Lee");
}

TEST(LexivarSavedInputs, NamesStayOnTheirOwnLine)
{
    LexivarData d;
    d.recipientFirst = "Ann\nMarie";
    const std::string e = "\xC3\xA9";  // two bytes
    std::string longName;
    for (int i = 0; i < 50; ++i)
        longName += e;
    d.recipientLast = longName;
    // 100 bytes: 97 would cut a character, so 48 whole characters (96 bytes) stay.
    EXPECT_EQ(savedInputsText(d), "1\n1\n1900\nAnn\n" + longName.substr(0, 96) + "\n");
    d.recipientLast = "x" + longName;  // 101 bytes: 97 end between characters
    EXPECT_EQ(savedInputsText(d), "1\n1\n1900\nAnn\nx" + longName.substr(0, 96) + "\n");
}

TEST(LexivarSavedInputs, ALongFirstNameLeavesTheLastNameIntact)
{
    QTemporaryDir root;
    FakePaths paths(root.path().toStdString());
    LexivarData d;
    d.birthday = {7, 4, 1975};
    // 49 characters of two bytes: 98 bytes fill the line buffer and would leave the
    // line feed to be read as an empty last name.
    for (int i = 0; i < 49; ++i)
        d.recipientFirst += "\xC3\xA9";
    d.recipientLast = "Lee";
    kSavedInputs.save(paths, d);
    LexivarData back;
    kSavedInputs.load(paths, back);
    EXPECT_EQ(back.birthday, d.birthday);
    EXPECT_EQ(back.recipientFirst, d.recipientFirst.substr(0, 96));
    EXPECT_EQ(back.recipientLast, "Lee");
}

TEST(LexivarSavedInputs, JunkAndMissingLinesKeepTheStartValues)
{
    LexivarData d;
    d.recipientLast = "Start";
    applySavedInputs({"13", "x9", " 2001junk", ""}, d);
    EXPECT_EQ(d.birthday, (numerology::Date{1, 1, 2001}));
    EXPECT_EQ(d.recipientFirst, "");
    EXPECT_EQ(d.recipientLast, "Start");

    LexivarData e;
    applySavedInputs({"0", "32", "1799"}, e);
    EXPECT_EQ(e.birthday, (numerology::Date{1, 1, 1900}));
    applySavedInputs({"-12", "99999999999999", "2100"}, e);
    EXPECT_EQ(e.birthday, (numerology::Date{1, 1, 1900}));
}

struct DecodeRun {
    FakeServices fake;
    lexivar::Lexivar core{fake.services};
    std::vector<int> bar;

    DecodeRun()
    {
        core.showProgress = [this](int value) { bar.push_back(value); };
        LexivarData& d = core.data;
        fromBobRayToAnnLee(d);
        d.clue = "message from a man";
        d.message = std::string(50, 'A');
    }
};

TEST(LexivarDecode, TheBarWalksToAHundredWithFivePausesAndRestsAtZero)
{
    DecodeRun run;
    run.fake.ui.answers.push_back(shell::Answer::Yes);
    EXPECT_TRUE(run.core.Decode());
    EXPECT_EQ(run.bar, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0}));
    EXPECT_EQ(run.fake.pacer.paused, 750);
    ASSERT_EQ(run.fake.ui.boxes.size(), 2u);
    EXPECT_EQ(run.fake.ui.boxes[1].icon, shell::Icon::Information);
}

TEST(LexivarDecode, ARefusalSetsTheBarBackToZero)
{
    DecodeRun run;
    run.core.data.clue.clear();
    EXPECT_FALSE(run.core.Decode());
    EXPECT_EQ(run.bar, (std::vector<int>{0, 10, 20, 0}));
    EXPECT_EQ(run.fake.pacer.paused, 150);

    DecodeRun no;
    no.fake.ui.answers.push_back(shell::Answer::No);
    EXPECT_FALSE(no.core.Decode());
    EXPECT_EQ(no.bar, (std::vector<int>{0, 10, 20, 30, 40, 0}));
    // The names stay confirmed: the next DECODE asks nothing.
    EXPECT_TRUE(no.core.Decode());
    EXPECT_EQ(no.fake.ui.boxes.back().icon, shell::Icon::Information);
    EXPECT_EQ(no.fake.ui.boxes.size(), 3u);
}

TEST(LexivarDecode, TheDatesAreCheckedBeforeTheMessage)
{
    DecodeRun run;
    run.core.data.message.clear();
    run.core.data.senderLast.clear();
    run.core.data.selected = {6, 31, 2000};
    EXPECT_FALSE(run.core.Decode());
    ASSERT_EQ(run.fake.ui.boxes.size(), 1u);
    EXPECT_EQ(run.fake.ui.boxes[0].caption, "DATE ERROR");
    EXPECT_EQ(run.fake.ui.boxes[0].text,
              "There are only 30 days in April, June, September, and November!\nPlease correct it and then try again!");
    EXPECT_EQ(run.bar, (std::vector<int>{0, 0}));
}

}  // namespace lexivar_test
