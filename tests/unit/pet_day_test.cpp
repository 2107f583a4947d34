// The pet's day rules shared by Furrowen and the main program's pets reading.
#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "numerology/pet_day.h"
#include "zendary/readings/pets.h"

namespace pet_day_test {

using numerology::PetDayDigit;
using numerology::PetDayRating;
using numerology::PetTotalStrip;
using numerology::Rating;

TEST(PetDay, OnlyTotalsFrom1001To5999KeepTheirLastTwoDigits)
{
    EXPECT_EQ(PetTotalStrip(2121), 21);
    EXPECT_EQ(PetTotalStrip(1001), 1);
    EXPECT_EQ(PetTotalStrip(1099), 99);
    EXPECT_EQ(PetTotalStrip(5999), 99);
    EXPECT_EQ(PetTotalStrip(2100), 1);  // 00 counts as 1
    EXPECT_EQ(PetTotalStrip(1000), 1);
    EXPECT_EQ(PetTotalStrip(6000), 1);
    EXPECT_EQ(PetTotalStrip(6050), 1);
    EXPECT_EQ(PetTotalStrip(50), 1);
    EXPECT_EQ(PetTotalStrip(-2150), 1);
}

TEST(PetDay, DigitIsTheStripModNinePlusOne)
{
    EXPECT_EQ(PetDayDigit(2121), 4);
    EXPECT_EQ(PetDayDigit(2100), 2);
    EXPECT_EQ(PetDayDigit(1099), 1);
    EXPECT_EQ(PetDayDigit(1008), 9);
    EXPECT_EQ(PetDayDigit(1050), 6);
    EXPECT_EQ(PetDayDigit(7000), 2);
}

TEST(PetDay, EveryDigitHasItsVerdict)
{
    const Rating expected[10] = {Rating::Normal, Rating::Normal, Rating::Bad,  Rating::Good,   Rating::Normal,
                                 Rating::Bad,    Rating::Bad,    Rating::Good, Rating::Normal, Rating::Good};
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_EQ(PetDayRating(digit), expected[digit]) << digit;
    EXPECT_STREQ(numerology::PetDayText(Rating::Good), " Good Day for ");
    EXPECT_STREQ(numerology::PetDayText(Rating::Normal), " Normal Day for ");
    EXPECT_STREQ(numerology::PetDayText(Rating::Bad), " Bad Day for ");
}

TEST(PetsReading, DigitOfTheDateAndTheName)
{
    const numerology::Date newYear{1, 1, 2000};
    EXPECT_EQ(zendary::PetDigit(newYear, "Rex"), 6);  // 1 + 1 + 1 + 47 = 50
    // Totals of whole hundreds give 0: 3 + 97 and 3 + 197.
    EXPECT_EQ(zendary::PetDigit(newYear, "Rexzx"), 0);
    EXPECT_EQ(zendary::PetDigit(newYear, "zzzzzzzo"), 0);
    // December 25 1999: 3 + 7 + 1 + 47 = 58, and 58 % 9 + 1 = 5.
    EXPECT_EQ(zendary::PetDigit({12, 25, 1999}, "Rex"), 5);
}

struct ZendaryPets : ::testing::Test {
    FakeServices fake;
    zendary::Zendary z{fake.services};
};

TEST_F(ZendaryPets, RexOnNewYear2000HasABadDay)
{
    z.data.petName = "Rex";
    z.data.selected = {1, 1, 2000};
    EXPECT_TRUE(zendary::PetsReading(z));
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "FURROWEN");
    EXPECT_EQ(fake.ui.boxes[0].icon, shell::Icon::Information);
    EXPECT_EQ(fake.ui.boxes[0].text, "Numerological Reading for Rex\n\nJanuary 1 2000 Bad Day for Rex!     \n");
}

TEST_F(ZendaryPets, AWholeHundredIsANormalDay)
{
    z.data.petName = "Rexzx";
    z.data.selected = {1, 1, 2000};
    EXPECT_TRUE(zendary::PetsReading(z));
    EXPECT_EQ(fake.ui.boxes.back().text,
              "Numerological Reading for Rexzx\n\nJanuary 1 2000 Normal Day for Rexzx!     \n");
}

TEST_F(ZendaryPets, AnEmptyNameIsRefusedAndExplained)
{
    z.data.selected = {2, 31, 2000};  // the name is asked for before the date is looked at
    EXPECT_FALSE(zendary::PetsReading(z));
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].icon, shell::Icon::Stop);
    EXPECT_EQ(fake.ui.boxes[0].text, "Please enter your pet's name!");
    EXPECT_EQ(fake.ui.boxes[1].caption, "FURROWEN");
    EXPECT_EQ(fake.ui.boxes[1].icon, shell::Icon::Information);
    EXPECT_EQ(fake.ui.boxes[1].text, "Please enter your pet's name and change the current date if necessary.\n"
                                     "You can select any year from your pet's past, present or future.\n"
                                     "Then click on the PTS button. Your pet's reading will be clearly displayed.    ");
}

TEST_F(ZendaryPets, ADayTheMonthDoesNotHaveGetsNoReading)
{
    z.data.petName = "Rex";
    z.data.selected = {2, 29, 2001};
    EXPECT_FALSE(zendary::PetsReading(z));
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "DATE ERROR");
    EXPECT_EQ(fake.ui.boxes[0].text, "There are only 28 days in February!\nPlease correct it and then try again!    ");
}

}  // namespace pet_day_test
