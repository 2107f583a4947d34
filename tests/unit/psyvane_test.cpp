// Psyvane's digits, the Check Intuition conversation, the exercises with their progress
// walk, the advice boxes and the story box.
#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "psyvane/psyvane.h"

namespace psyvane_test {

using namespace psyvane;
using shell::Answer;
using shell::Icon;

struct PsyvaneTest : ::testing::Test {
    FakeServices fake;
    Psyvane core{fake.services};
    std::vector<int> progress;

    void SetUp() override
    {
        core.showProgress = [this](int value) { progress.push_back(value); };
    }
    void choose(const char* number, const char* color, const char* shape, const char* sign)
    {
        core.data.date = {1, 1, 2000};
        core.data.number = number;
        core.data.color = color;
        core.data.shape = shape;
        core.data.sign = sign;
    }
};

const std::vector<int> kWalk = {20, 40, 60, 80, 100, 0};

TEST_F(PsyvaneTest, StartsOnTodayWithPersonalAndNothingChosen)
{
    fake.clock.time = {2026, 12, 8, 9, 30, 0};
    Psyvane fresh(fake.services);
    EXPECT_EQ(fresh.data.date, (Date{12, 8, 2026}));
    EXPECT_EQ(fresh.data.type, "personal");
    EXPECT_TRUE(fresh.data.number.empty() && fresh.data.color.empty() && fresh.data.shape.empty() &&
                fresh.data.sign.empty());
}

TEST_F(PsyvaneTest, DateDigitCountsSumsFrom2100AsOffsetZero)
{
    EXPECT_EQ(DateSumDigit({1, 1, 2000}), 3);    // 2002
    EXPECT_EQ(DateSumDigit({1, 1, 2096}), 9);    // 2098
    EXPECT_EQ(DateSumDigit({1, 1, 2097}), 1);    // 2099
    EXPECT_EQ(DateSumDigit({1, 1, 2098}), 1);    // 2100
    EXPECT_EQ(DateSumDigit({12, 31, 2099}), 1);  // 2142
    EXPECT_EQ(DateSumDigit({1, 1, 1900}), 3);    // 1902
}

TEST_F(PsyvaneTest, ChoiceDigitAndDifferenceOfTheWorkedExample)
{
    choose("1", "red", "circle", "fire");
    // 100 + 1 + 27 + 50 + 38 = 216: number digit 8, offset digit 9.
    EXPECT_EQ(ChoiceDigit(core.data), 9);
    EXPECT_EQ(PowerDifference(core.data), 6);
    // business 108 + 9 + 29 (black) + 81 (square) + 67 (water) = 294: 94 gives 5, offset digit 6.
    core.data.type = "business";
    choose("9", "black", "square", "water");
    EXPECT_EQ(ChoiceDigit(core.data), 6);
    EXPECT_EQ(PowerDifference(core.data), 3);
}

TEST_F(PsyvaneTest, SelectionsAreRefusedInOrderWithoutQuestionOrProgress)
{
    const char* refusals[] = {"Please select type.    ", "Please select number.    ", "Please select color.    ",
                              "Please select shape.    ", "Please select sign.    "};
    std::string* fields[] = {&core.data.type, &core.data.number, &core.data.color, &core.data.shape, &core.data.sign};
    choose("1", "red", "circle", "fire");
    for (std::string* field : fields)
        field->clear();
    for (int i = 0; i < 5; ++i) {
        fake.ui.boxes.clear();
        EXPECT_FALSE(core.CheckIntuition());
        ASSERT_EQ(fake.ui.boxes.size(), 1u);
        EXPECT_EQ(fake.ui.boxes[0].caption, "PSYVANE");
        EXPECT_EQ(fake.ui.boxes[0].text, refusals[i]);
        EXPECT_EQ(fake.ui.boxes[0].icon, Icon::Stop);
        *fields[i] = "x";
    }
    EXPECT_TRUE(progress.empty());
}

TEST_F(PsyvaneTest, NoToTheConfirmationOnlyAsksForCorrections)
{
    choose("1", "red", "circle", "fire");
    fake.ui.answers = {Answer::No};
    EXPECT_FALSE(core.CheckIntuition());
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].text,
              "Is this information correct?    \n\nDate:\t1 1 2000\nType:\tpersonal\nNumber:\t1\nColor:\tred\n"
              "Shape:\tcircle\nSign:\tfire\n");
    EXPECT_EQ(fake.ui.boxes[0].icon, Icon::Question);
    EXPECT_EQ(fake.ui.boxes[1].text, "Please correct any mistakes and try again.    ");
    EXPECT_EQ(fake.ui.boxes[1].icon, Icon::Stop);
    EXPECT_TRUE(progress.empty());
}

TEST_F(PsyvaneTest, YesWalksTheBarAndShowsThePowerOfTheWorkedExample)
{
    choose("1", "red", "circle", "fire");
    fake.clock.time = {2026, 12, 8, 9, 5, 7};
    fake.ui.answers = {Answer::Yes};
    EXPECT_TRUE(core.CheckIntuition());
    EXPECT_EQ(progress, kWalk);
    EXPECT_EQ(fake.pacer.paused, 440);
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[1].caption, "INTUITION POWER READING");
    EXPECT_EQ(fake.ui.boxes[1].icon, Icon::Information);
    EXPECT_EQ(fake.ui.boxes[1].text,
              "TUE DEC  8 09:05:07 2026\n\nYour Intuition Power is at 40% of optimal.    \n\n"
              "INTERPRETATION TABLE\n\n"
              "90% or more\ttrust your intuition more than logic    \n"
              "70% - 90%\ttrust your intuition with reservations    \n"
              "50% - 70%\trely more on logic than your intuition    \n"
              "50% or less\tdo not trust your intuition at all\n\nTIP\n\nPractice colors and shapes right now.");
}

TEST_F(PsyvaneTest, ExercisesDrawAfterTheInstructionAndWalkTheBar)
{
    fake.clock.time.second = 3;  // value 6
    core.RunExercise(Exercise::Signs);
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "PSYVANE EXERCISE");
    EXPECT_EQ(fake.ui.boxes[0].icon, Icon::Question);
    EXPECT_EQ(fake.ui.boxes[0].buttons, shell::Buttons::Ok);
    EXPECT_EQ(fake.ui.boxes[1].text,
              "The sign is: fire\n\nPlease note that you should practice at least 5 times at a time,    \n"
              "but no more than 20 times in one session.\n\nTIP\n\nTry to concentrate on one the red picture.");
    EXPECT_EQ(progress, kWalk);
    EXPECT_EQ(ExerciseResult(Exercise::Numbers, 2),
              "The number is: 2\n\nPlease note that you should practice at least 7 times at a time,    \n"
              "but no more than 20 times in one session.\n\nTIP\n\nTry to concentrate on the yellow picture.");
    EXPECT_TRUE(ExerciseResult(Exercise::Colors, 7)
                    .starts_with("The color is: blue\n\nPlease note that you "
                                 "should practice at least 7 times"));
    EXPECT_TRUE(ExerciseResult(Exercise::Colors, 7).ends_with("on the green picture."));
    EXPECT_TRUE(ExerciseResult(Exercise::Shapes, 7)
                    .starts_with("The shape is: square\n\nPlease note that "
                                 "you should practice at least 5 times"));
    EXPECT_TRUE(ExerciseResult(Exercise::Shapes, 7).ends_with("on one the blue picture."));
}

TEST_F(PsyvaneTest, AdviceBoxesWalkTheBarUnderTheProgramCaption)
{
    core.Develop();
    core.FineTune();
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.captions(), (std::vector<std::string>{"PSYVANE", "PSYVANE"}));
    EXPECT_TRUE(fake.ui.boxes[0].text.starts_with("How To Develop Your Intuition:"));
    EXPECT_TRUE(fake.ui.boxes[1].text.starts_with("How To Fine Tune Your Intuition:"));
    std::vector<int> twice = kWalk;
    twice.insert(twice.end(), kWalk.begin(), kWalk.end());
    EXPECT_EQ(progress, twice);
}

TEST_F(PsyvaneTest, TheSecretIsToldOnlyOnYes)
{
    fake.ui.answers = {Answer::No, Answer::Yes};
    core.Secret();
    core.Secret();
    EXPECT_EQ(fake.ui.captions(), (std::vector<std::string>{"TOP SECRET", "TOP SECRET", "PSYVANE ORIGINS"}));
    EXPECT_EQ(fake.ui.boxes[0].text, "Do you want to learn a secret?    ");
}

}  // namespace psyvane_test
