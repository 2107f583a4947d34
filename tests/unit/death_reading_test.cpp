#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "zendary/readings/death.h"

namespace death_reading_test {

using numerology::NameValue;
using zendary::DeathRecord;
using zendary::ThousandsStrip;
using zendary::Zendary;

TEST(DeathRules, ThousandsStrip)
{
    EXPECT_EQ(ThousandsStrip(1000), 1000);
    EXPECT_EQ(ThousandsStrip(1001), 1);
    EXPECT_EQ(ThousandsStrip(1999), 999);
    EXPECT_EQ(ThousandsStrip(2000), 0);
    EXPECT_EQ(ThousandsStrip(3500), 500);
    EXPECT_EQ(ThousandsStrip(5999), 999);
    EXPECT_EQ(ThousandsStrip(6000), 6000);
    EXPECT_EQ(ThousandsStrip(0), 0);
}

TEST(DeathRules, ListItemValues)
{
    EXPECT_EQ(NameValue("female"), 42);
    EXPECT_EQ(NameValue("male"), 31);
    EXPECT_EQ(NameValue("white"), 65);
    EXPECT_EQ(NameValue("7"), 7);
}

// Born in 2000 with parents of 1970; "J" + 2000 + 42 + 65 + 1 strips to 118, digit 1;
// "A" + 1970 strips to 971, digit 9 for both parents: F = |9 - 9 + 1| = 1.
DeathRecord bornThisYear()
{
    DeathRecord r;
    r.name = "J";
    r.year = 2000;
    r.motherName = r.fatherName = "A";
    r.motherYear = r.fatherYear = 1970;
    r.gender = "female";
    r.color = "white";
    r.number = "1";
    return r;
}

TEST(DeathRules, Days)
{
    DeathRecord r = bornThisYear();
    EXPECT_EQ(zendary::DeathDays(r, 2000), 3650);
    EXPECT_EQ(zendary::DeathDays(r, 2003), 365 * 13);
    // "ZZZZZ" + 1970 strips to 100 (digit 0), "ZD" + 1970 to 0 (digit 1): 0 - 1 + 1 = 0 counts as 1.
    r.motherName = "ZZZZZ";
    r.fatherName = "ZD";
    EXPECT_EQ(zendary::DeathDays(r, 2000), 3650);
    // 1 + 1980 + 31 + 27 + 9 strips to 48 (digit 4); "A" + 1960 to 961 (digit 8): F = 4.
    r = {"A", 1980, "A", 1960, "A", 1960, "male", "red", "9", ""};
    EXPECT_EQ(zendary::DeathDays(r, 2000), 365 * (20 + 40));
    // Long names of any bytes add up without trouble.
    r.name = std::string(150, 'z');
    r.motherName = std::string(150, '\xff');
    EXPECT_GT(zendary::DeathDays(r, 2000), 0);
}

struct DeathReadings : ::testing::Test {
    FakeServices fake;
    Zendary z{fake.services};
    DeathRecord r = bornThisYear();
    const std::string& lastText() const { return fake.ui.boxes.back().text; }
};

TEST_F(DeathReadings, ParentsAgesOnTheDialogsYears)
{
    r.fatherYear = 1995;
    r.gender.clear();
    EXPECT_FALSE(zendary::DeathReading(z, r));
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "BIRTHDAY ERROR");
    EXPECT_EQ(lastText(), "You indicated that your father was younger than 10 years old when you were born! "
                          "Please correct it and then try again!");
    EXPECT_EQ(r.result, "");
    // The main window's record keeps its own years.
    EXPECT_EQ(z.data.father.year, 1900);
    r.fatherYear = 1970;
    EXPECT_FALSE(zendary::DeathReading(z, r));
    EXPECT_EQ(lastText(), "Please select your gender.    ");
}

}  // namespace death_reading_test
