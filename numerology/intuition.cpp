#include "numerology/intuition.h"

#include <cstdio>

namespace numerology {

int OffsetDigit(int x)
{
    return x % 9 + 1;
}

int SecondScramble(int s)
{
    if (s <= 0)
        return 1;
    if (s <= 6)
        return s + 2;
    if (s <= 13)
        return s + 5;
    if (s <= 18)
        return s + 8;
    if (s <= 25)
        return s + 9;
    if (s <= 31)
        return s + 3;
    if (s <= 38)
        return s + 6;
    if (s <= 46)
        return s + 4;
    if (s <= 53)
        return s + 7;
    return s + 1;
}

int ExerciseDigit(int second)
{
    return OffsetDigit(SecondScramble(second));
}

static const char* const kColors[9] = {"white", "red", "yellow", "brown", "yellow", "green", "blue", "black", "red"};
static const char* const kShapes[9] = {"square",   "triangle", "circle", "triangle", "square",
                                       "triangle", "square",   "circle", "circle"};
static const char* const kSigns[9] = {"wind", "fire", "water", "earth", "wind", "fire", "earth", "wind", "water"};

// A value outside 1-9 cannot come from the draw; it reads as 1 rather than past the table.
static int tableIndex(int v)
{
    return v >= 1 && v <= 9 ? v - 1 : 0;
}

const char* ExerciseColor(int v)
{
    return kColors[tableIndex(v)];
}

const char* ExerciseShape(int v)
{
    return kShapes[tableIndex(v)];
}

const char* ExerciseSign(int v)
{
    return kSigns[tableIndex(v)];
}

const char* ExerciseInstruction(Exercise exercise)
{
    switch (exercise) {
    case Exercise::Numbers:
        return "Think about a number between 1 and 9. Trust your intuition. Let the number    \n"
               "\"appear\" in your head. When you have the number click on the OK button.";
    case Exercise::Colors:
        return "Think about a color: white, yellow, green, red, blue, brown or black. Trust your intuition.    \n"
               "Let the color \"appear\" in your head. When you have the color click on the OK button.";
    case Exercise::Shapes:
        return "Think about a shape: triangle, square or circle. Trust your intuition. Let the shape    \n"
               "\"appear\" in your head. When you have the shape click on the OK button.";
    case Exercise::Signs: break;
    }
    return "Think about a sign: earth, fire, wind or water. Trust your intuition. Let the sign    \n"
           "\"appear\" in your head. When you have the sign click on the OK button.";
}

std::string ExerciseAnswer(Exercise exercise, int v)
{
    switch (exercise) {
    case Exercise::Numbers: return "The number is: " + std::to_string(v);
    case Exercise::Colors: return std::string("The color is: ") + ExerciseColor(v);
    case Exercise::Shapes: return std::string("The shape is: ") + ExerciseShape(v);
    case Exercise::Signs: break;
    }
    return std::string("The sign is: ") + ExerciseSign(v);
}

const char* PowerLine(int d)
{
    static const char* const lines[10] = {
        "99% of optimal.    ", "90% of optimal.    ", "80% of optimal.    ", "70% of optimal.    ",
        "60% of optimal.    ", "50% of optimal.    ", "40% of optimal.    ", "30% of optimal.    ",
        "20% of optimal.    ", "10% of optimal.    ",
    };
    return lines[d < 0 ? 0 : (d > 9 ? 9 : d)];
}

// Day of the week, 0 = Sunday, of a date of the Gregorian calendar.
static int weekday(int year, int month, int day)
{
    static const int shift[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        year -= 1;
    const int w = (year + year / 4 - year / 100 + year / 400 + shift[(month - 1) % 12] + day) % 7;
    return w < 0 ? w + 7 : w;
}

std::string ClockLine(int year, int month, int day, int hour, int minute, int second)
{
    static const char* const days[7] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
    static const char* const months[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    if (month < 1 || month > 12)
        month = 1;
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %2d %02d:%02d:%02d %d\n", days[weekday(year, month, day)],
                  months[month - 1], day, hour, minute, second, year);
    return text;
}

std::string PowerReading(const std::string& clockLine, int d, PowerTips& tips)
{
    return clockLine + "\nYour Intuition Power is at " + PowerLine(d) +
           "\n\nINTERPRETATION TABLE\n\n"
           "90% or more\ttrust your intuition more than logic    \n"
           "70% - 90%\ttrust your intuition with reservations    \n"
           "50% - 70%\trely more on logic than your intuition    \n"
           "50% or less\tdo not trust your intuition at all"
           "\n\nTIP\n\n" +
           tips[d < 0 ? 0 : (d > 9 ? 9 : d)];
}

const char* const kFineTuneAdvice =
    "How To Fine Tune Your Intuition:\n\n"
    "1. Fine tune only once your intuition has become reliable.\n"
    "2. Check your intuition power before you fine tune, never after.\n"
    "3. Do every exercise once.\n"
    "4. Then do your favourite exercise at least 3 more times.\n"
    "5. Stop as soon as your answers begin to come from thinking instead of feeling.    ";

}  // namespace numerology
