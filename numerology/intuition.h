// The intuition exercises' draw from the clock's second, their result tables and the
// power reading text, shared by Psyvane and the main program's mental-power buttons.
#pragma once
#include <string>

namespace numerology {

// The offset digit of a value: (x mod 9) + 1.
int OffsetDigit(int x);

// The scrambled second 1-60 of a clock second 0-59.
int SecondScramble(int second);

// The drawn value 1-9 of an exercise.
int ExerciseDigit(int second);

enum class Exercise { Numbers, Colors, Shapes, Signs };

// The table words for a drawn value 1-9.
const char* ExerciseColor(int v);
const char* ExerciseShape(int v);
const char* ExerciseSign(int v);

// "Think about a number between 1 and 9. ..." and its kin.
const char* ExerciseInstruction(Exercise exercise);

// "The number is: 6", "The color is: green", "The shape is: triangle", "The sign is: fire".
std::string ExerciseAnswer(Exercise exercise, int v);

// "99% of optimal.    " ... "10% of optimal.    " for a difference d (9 and more alike).
const char* PowerLine(int d);

// The tip for each difference 0-9; each program has its own.
using PowerTips = const char* const[10];

// The current date and time as the classic 24-character clock text, in capitals, with a
// line end: "SAT JAN  1 12:00:00 2000\n".
std::string ClockLine(int year, int month, int day, int hour, int minute, int second);

// The power reading: clock line, power line, interpretation table and tip.
std::string PowerReading(const std::string& clockLine, int d, PowerTips& tips);

// The Fine Tune advice both programs show.
extern const char* const kFineTuneAdvice;

}  // namespace numerology
