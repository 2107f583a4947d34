// The exercises' draw from the clock's second, their tables, the clock line and the
// power reading text that Psyvane and the main window share.
#include <gtest/gtest.h>

#include "numerology/intuition.h"

namespace intuition_test {

using namespace numerology;

TEST(Intuition, SecondScrambleAtEveryBandEdge)
{
    const std::pair<int, int> cases[] = {
        {0, 1},   {1, 3},   {6, 8},   {7, 12},  {13, 18}, {14, 22}, {18, 26}, {19, 28}, {25, 34}, {26, 29},
        {31, 34}, {32, 38}, {38, 44}, {39, 43}, {46, 50}, {47, 54}, {53, 60}, {54, 55}, {59, 60}, {60, 61},
    };
    for (auto [second, scrambled] : cases)
        EXPECT_EQ(SecondScramble(second), scrambled) << "second " << second;
}

TEST(Intuition, ExerciseDigitIsTheOffsetDigitOfTheScramble)
{
    EXPECT_EQ(ExerciseDigit(3), 6);
    EXPECT_EQ(ExerciseDigit(0), 2);
    EXPECT_EQ(ExerciseDigit(59), 7);
    EXPECT_EQ(ExerciseDigit(26), 3);  // 29
    EXPECT_EQ(ExerciseDigit(25), 8);  // 34
    for (int second = 0; second <= 60; ++second) {
        EXPECT_GE(ExerciseDigit(second), 1);
        EXPECT_LE(ExerciseDigit(second), 9);
    }
}

TEST(Intuition, TablesGiveTheWordOfEveryDrawnValue)
{
    const char* colors[] = {"white", "red", "yellow", "brown", "yellow", "green", "blue", "black", "red"};
    const char* shapes[] = {"square",   "triangle", "circle", "triangle", "square",
                            "triangle", "square",   "circle", "circle"};
    const char* signs[] = {"wind", "fire", "water", "earth", "wind", "fire", "earth", "wind", "water"};
    for (int v = 1; v <= 9; ++v) {
        EXPECT_STREQ(ExerciseColor(v), colors[v - 1]);
        EXPECT_STREQ(ExerciseShape(v), shapes[v - 1]);
        EXPECT_STREQ(ExerciseSign(v), signs[v - 1]);
    }
    EXPECT_EQ(ExerciseAnswer(Exercise::Numbers, 6), "The number is: 6");
    EXPECT_EQ(ExerciseAnswer(Exercise::Colors, 6), "The color is: green");
    EXPECT_EQ(ExerciseAnswer(Exercise::Shapes, 2), "The shape is: triangle");
    EXPECT_EQ(ExerciseAnswer(Exercise::Signs, 7), "The sign is: earth");
}

TEST(Intuition, ClockLineIsTheClassicLayoutInCapitals)
{
    EXPECT_EQ(ClockLine(2000, 1, 1, 12, 0, 0), "SAT JAN  1 12:00:00 2000\n");
    EXPECT_EQ(ClockLine(2000, 2, 29, 0, 0, 0), "TUE FEB 29 00:00:00 2000\n");
    EXPECT_EQ(ClockLine(2026, 12, 8, 9, 5, 7), "TUE DEC  8 09:05:07 2026\n");
    EXPECT_EQ(ClockLine(1900, 1, 1, 23, 59, 59), "MON JAN  1 23:59:59 1900\n");
    EXPECT_EQ(ClockLine(2099, 12, 31, 23, 59, 59), "THU DEC 31 23:59:59 2099\n");
}

TEST(Intuition, PowerReadingOfADifferenceAndTheRowsPastTheTable)
{
    const PowerTips tips = {"t0", "t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9"};
    EXPECT_EQ(PowerReading("SAT JAN  1 12:00:00 2000\n", 6, tips),
              "SAT JAN  1 12:00:00 2000\n\nYour Intuition Power is at 40% of optimal.    \n\n"
              "INTERPRETATION TABLE\n\n"
              "90% or more\ttrust your intuition more than logic    \n"
              "70% - 90%\ttrust your intuition with reservations    \n"
              "50% - 70%\trely more on logic than your intuition    \n"
              "50% or less\tdo not trust your intuition at all\n\nTIP\n\nt6");
    EXPECT_STREQ(PowerLine(0), "99% of optimal.    ");
    EXPECT_STREQ(PowerLine(1), "90% of optimal.    ");
    EXPECT_STREQ(PowerLine(9), "10% of optimal.    ");
    EXPECT_STREQ(PowerLine(12), "10% of optimal.    ");
    EXPECT_TRUE(PowerReading("", 12, tips).ends_with("\n\nTIP\n\nt9"));
}

}  // namespace intuition_test
