#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "zendary/zendary.h"

namespace zendary_checks_test {

using shell::Answer;
using shell::Icon;
using zendary::ConfirmForm;
using zendary::Era;
using zendary::Zendary;

struct ZendaryChecks : ::testing::Test {
    FakeServices fake;
    Zendary z{fake.services};

    void years(int own, int mother, int father)
    {
        z.data.own.year = own;
        z.data.mother.year = mother;
        z.data.father.year = father;
    }
    std::string lastText() const { return fake.ui.boxes.empty() ? "" : fake.ui.boxes.back().text; }
};

TEST_F(ZendaryChecks, StartValues)
{
    fake.clock.time = {2005, 3, 12};
    Zendary fresh(fake.services);
    EXPECT_EQ(fresh.data.own, (numerology::Date{1, 1, 1900}));
    EXPECT_EQ(fresh.data.selected, (numerology::Date{3, 12, 2005}));
    EXPECT_EQ(fresh.rememberedDates(), fresh.currentDates());
    EXPECT_EQ(fresh.era, Era::AD);
}

TEST_F(ZendaryChecks, ParentsAges)
{
    years(1960, 1950, 1950);
    EXPECT_TRUE(z.ParentsAges());
    years(1960, 1951, 1940);
    EXPECT_FALSE(z.ParentsAges());
    EXPECT_EQ(lastText(), "You indicated that your mother was younger than 10 years old when you were born! "
                          "Please correct it and then try again!");
    years(1960, 1940, 1951);
    EXPECT_FALSE(z.ParentsAges());
    EXPECT_EQ(lastText(), "You indicated that your father was younger than 10 years old when you were born! "
                          "Please correct it and then try again!");
    years(1950, 1930, 1955);
    EXPECT_FALSE(z.ParentsAges());
    EXPECT_EQ(lastText(), "You indicated that you are older than at least one of your parents! "
                          "Please correct it and then try again!");
    EXPECT_EQ(fake.ui.boxes.back().caption, "BIRTHDAY ERROR");
    EXPECT_EQ(fake.ui.boxes.back().icon, Icon::Stop);
}

TEST_F(ZendaryChecks, PastLifeYearsInTheEraOfChrist)
{
    z.data.own.year = 1900;
    z.data.pastYear = 1899;
    EXPECT_TRUE(z.PastLifeFields());
    z.data.pastYear = 1900;
    EXPECT_FALSE(z.PastLifeFields());
    EXPECT_EQ(lastText(), "You have selected a year after or when you were born! "
                          "To receive your past life reading please select a year before you were born!");
    z.data.pastYear = 2001;
    EXPECT_FALSE(z.PastLifeFields());
    EXPECT_EQ(lastText(), "Valid range for AD years is: 0 - 2000!");
    EXPECT_EQ(fake.ui.boxes.back().caption, "PAST LIVES ERROR");
    z.data.pastYear = -1;
    EXPECT_FALSE(z.PastLifeFields());
    EXPECT_EQ(fake.ui.boxes.size(), 3u);
}

TEST_F(ZendaryChecks, PastLifeYearsBeforeChristAndAges)
{
    z.era = Era::BC;
    z.data.pastYear = 9000;
    EXPECT_TRUE(z.PastLifeFields());
    z.data.pastYear = 9001;
    EXPECT_FALSE(z.PastLifeFields());
    z.data.pastYear = 0;
    z.data.pastAge = 100;
    EXPECT_FALSE(z.PastLifeFields());
    EXPECT_TRUE(fake.ui.boxes.empty());
}

TEST_F(ZendaryChecks, ConfirmationAskedOnlyAfterAChange)
{
    EXPECT_TRUE(z.ConfirmationBox("X", "lead\n", ConfirmForm::Full));
    EXPECT_TRUE(fake.ui.boxes.empty());

    z.data.own = {3, 14, 1975};
    fake.ui.answers = {Answer::No};
    EXPECT_FALSE(z.ConfirmationBox("X", "lead\n", ConfirmForm::Full));
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].icon, Icon::Question);
    EXPECT_EQ(fake.ui.boxes[0].text.substr(0, 22), "lead\nYour Birthday\t\t3 ");
    EXPECT_EQ(fake.ui.boxes[1].text, "Please correct any mistakes and try again!");
    EXPECT_EQ(fake.ui.boxes[1].icon, Icon::Exclamation);
    EXPECT_EQ(fake.ui.boxes[1].caption, "X");
    // The dates were remembered before the question: no second question.
    EXPECT_TRUE(z.ConfirmationBox("X", "lead\n", ConfirmForm::Full));
    EXPECT_EQ(fake.ui.boxes.size(), 2u);
}

TEST_F(ZendaryChecks, ShortConfirmationShowsTheOwnBirthday)
{
    z.data.own = {3, 14, 1975};
    fake.ui.answers = {Answer::Yes};
    EXPECT_TRUE(z.ConfirmationBox("LOVE READING", "ignored", ConfirmForm::Short));
    EXPECT_EQ(lastText(), "Is this information accurate?          \n\nYour Birthday\t3  14  1975");
}

TEST_F(ZendaryChecks, ConfirmationMemoryKeepsDatesAndNamesApart)
{
    EXPECT_FALSE(z.datesChanged());
    z.data.selected.day = 2;
    EXPECT_TRUE(z.datesChanged());
    z.rememberDates();
    EXPECT_FALSE(z.datesChanged());

    // The names start empty, so a first name is a change; the dates play no part.
    EXPECT_FALSE(z.spellNameChanged());
    z.data.spellName = "Ann";
    EXPECT_TRUE(z.spellNameChanged());
    z.rememberSpellName();
    EXPECT_FALSE(z.spellNameChanged());

    z.data.firstName = "Ann Lee";
    z.data.secondName = "Bob Ray";
    EXPECT_TRUE(z.soulmateNamesChanged());
    z.rememberSoulmateNames();
    EXPECT_FALSE(z.soulmateNamesChanged());
    z.data.secondName = "Bob Roy";
    EXPECT_TRUE(z.soulmateNamesChanged());
    EXPECT_FALSE(z.datesChanged());
}

}  // namespace zendary_checks_test
