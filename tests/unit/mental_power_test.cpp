// The main window's mental-power buttons: the draw, the practice notes, the list checks
// and the power check over the selected date and three choices.
#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "zendary/readings/mental_power.h"

namespace mental_power_test {

using namespace zendary;
using numerology::Exercise;
using shell::Icon;

struct MentalPowerTest : ::testing::Test {
    FakeServices fake;
    Zendary z{fake.services};

    void choose(const char* number, const char* color, const char* shape)
    {
        z.data.selected = {1, 1, 2000};
        z.data.number = number;
        z.data.color = color;
        z.data.shape = shape;
    }
};

const char* const kNumberRefusal =
    "Please select number from the drop down list only.    \n\nIt can be either: 1, 2, 3, 4, 5, 6, 7, 8, or 9.    ";
const char* const kColorRefusal = "Please select color from the drop down list only.    \n\n"
                                  "It can be either: white, yellow, green, red, blue, brown or black.    ";
const char* const kShapeRefusal =
    "Please select shape from the drop down list only.    \n\nIt can be either: triangle, square or circle.    ";

TEST_F(MentalPowerTest, ExercisesDrawFromTheSecondWithoutTipOrPicture)
{
    fake.clock.time.second = 59;  // value 7
    EXPECT_TRUE(ColorsExercise(z));
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "PSYVANE EXERCISE");
    EXPECT_EQ(fake.ui.boxes[0].icon, Icon::Question);
    EXPECT_TRUE(fake.ui.boxes[0].text.starts_with("Think about a color: white, yellow,"));
    EXPECT_EQ(fake.ui.boxes[1].text, "The color is: blue\n\nPlease note that you should practice at least 3 times at "
                                     "a time,    \nbut no more than 20 times in one session.");
    EXPECT_EQ(MentalExerciseResult(Exercise::Numbers, 2),
              "The number is: 2\n\nPlease note that you should practice at least 5 times at a time,    \n"
              "but no more than 20 times in one session.");
    EXPECT_EQ(MentalExerciseResult(Exercise::Shapes, 2),
              "The shape is: triangle\n\nPlease note that you should practice at least 5 times at a time,    \n"
              "but no more than 20 times in one session.");
    EXPECT_EQ(fake.pacer.paused, 0);
}

TEST_F(MentalPowerTest, AdviceShowsUnderThePsyvaneCaption)
{
    EXPECT_TRUE(DevelopAdvice(z));
    EXPECT_TRUE(FineTuneAdvice(z));
    EXPECT_EQ(fake.ui.captions(), (std::vector<std::string>{"PSYVANE", "PSYVANE"}));
    EXPECT_NE(fake.ui.boxes[0].text.find("shapes (FEX), then numbers (NEX), and finally colors (CEX)"),
              std::string::npos);
    EXPECT_TRUE(fake.ui.boxes[1].text.starts_with("How To Fine Tune Your Intuition:"));
}

TEST_F(MentalPowerTest, ChoicesMustBeExactlyListItemsCheckedInOrder)
{
    const struct {
        const char *number, *color, *shape, *refusal;
    } cases[] = {
        {"", "red", "circle", kNumberRefusal},
        {"0", "red", "circle", kNumberRefusal},
        {"10", "", "", kNumberRefusal},
        {"1 ", "red", "circle", kNumberRefusal},
        {"1", "", "", kColorRefusal},
        {"1", "Red", "circle", kColorRefusal},
        {"9", "purple", "circle", kColorRefusal},
        {"1", "red", "", kShapeRefusal},
        {"1", "black", "oval", kShapeRefusal},
        {"1", "red", "Circle", kShapeRefusal},
    };
    for (const auto& c : cases) {
        choose(c.number, c.color, c.shape);
        fake.ui.boxes.clear();
        EXPECT_FALSE(IntuitionPower(z));
        ASSERT_EQ(fake.ui.boxes.size(), 1u);
        EXPECT_EQ(fake.ui.boxes[0].caption, "PSYVANE");
        EXPECT_EQ(fake.ui.boxes[0].icon, Icon::Stop);
        EXPECT_EQ(fake.ui.boxes[0].text, c.refusal) << c.number << "/" << c.color << "/" << c.shape;
    }
}

TEST_F(MentalPowerTest, DigitsOfTheWorkedExampleAndTheCenturyEnd)
{
    choose("1", "red", "circle");
    EXPECT_EQ(MentalDateDigit(z.data.selected), 3);  // 2002
    EXPECT_EQ(MentalChoiceDigit(z.data), 7);         // 78
    EXPECT_EQ(MentalDateDigit({12, 31, 2099}), 0);   // 2142
    EXPECT_EQ(MentalDateDigit({1, 1, 2098}), 0);     // 2100
    EXPECT_EQ(MentalDateDigit({1, 1, 2097}), 1);     // 2099
    choose("1", "white", "square");                  // 1 + 65 + 81 = 147: 47 gives 3
    EXPECT_EQ(MentalChoiceDigit(z.data), 3);
    choose("9", "yellow", "triangle");  // 9 + 92 + 86 = 187: 87 gives 7
    EXPECT_EQ(MentalChoiceDigit(z.data), 7);
}

TEST_F(MentalPowerTest, PowerCheckShowsTheReadingWithoutAQuestion)
{
    choose("1", "red", "circle");
    fake.clock.time = {2000, 1, 1, 12, 0, 0};
    EXPECT_TRUE(IntuitionPower(z));
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "INTUITION POWER READING");
    EXPECT_EQ(fake.ui.boxes[0].icon, Icon::Information);
    EXPECT_EQ(fake.ui.boxes[0].text,
              "SAT JAN  1 12:00:00 2000\n\nYour Intuition Power is at 60% of optimal.    \n\n"
              "INTERPRETATION TABLE\n\n"
              "90% or more\ttrust your intuition more than logic    \n"
              "70% - 90%\ttrust your intuition with reservations    \n"
              "50% - 70%\trely more on logic than your intuition    \n"
              "50% or less\tdo not trust your intuition at all\n\nTIP\n\nPractice numbers right now.");
    // 12/31/2099: 0 against 7 is the 30% row.
    z.data.selected = {12, 31, 2099};
    EXPECT_TRUE(IntuitionPower(z));
    EXPECT_NE(fake.ui.boxes[1].text.find("at 30% of optimal.    \n"), std::string::npos);
    EXPECT_TRUE(fake.ui.boxes[1].text.ends_with("\n\nTIP\n\nPractice numbers and shapes right now."));
}

}  // namespace mental_power_test
