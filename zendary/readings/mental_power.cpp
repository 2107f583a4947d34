#include "zendary/readings/mental_power.h"

#include <algorithm>
#include <cstdlib>

#include "zendary/lists.h"

namespace zendary {

using numerology::Exercise;
using numerology::NameValue;

static const char* const kMentalPowerCaption = "PSYVANE";
static const char* const kExerciseCaption = "PSYVANE EXERCISE";

numerology::PowerTips kMentalPowerTips = {
    "Do not practice right now. You are ready to use your intuition.    ",
    "Do not practice right now. You are ready to use your intuition.    ",
    "Practice shapes right now.",
    "Practice colors right now.",
    "Practice numbers right now.",
    "Practice numbers and colors right now.",
    "Practice colors and shapes right now.",
    "Practice numbers and shapes right now.",
    "Practice numbers, colors and shapes right now.",
    "Practice numbers, colors and shapes right now.",
};

static const char* const kDevelopAdvice =
    "How To Develop Your Intuition:\n\n"
    "1. Do the exercises at least twice a week, and always before you check your mental power.\n"
    "2. Start with shapes (FEX), then numbers (NEX), and finally colors (CEX).\n"
    "3. Keep to each exercise's limits: at least 5 times for numbers and shapes, at least 3 times\n"
    "    for colors, and never more than 20 times in one session.\n"
    "4. Check your mental power (CIR) at most once an hour.\n"
    "5. Never begin a session with a check: exercise first.    ";

int MentalDateDigit(const numerology::Date& s)
{
    return numerology::YearDigit(s.month + s.year + s.day);
}

int MentalChoiceDigit(const PersonalData& d)
{
    return numerology::NumberDigit(NameValue(d.number) + NameValue(d.color) + NameValue(d.shape));
}

std::string MentalExerciseResult(Exercise exercise, int v)
{
    const char* times = exercise == Exercise::Colors ? "3" : "5";
    return numerology::ExerciseAnswer(exercise, v) + "\n\nPlease note that you should practice at least " + times +
           " times at a time,    \nbut no more than 20 times in one session.";
}

static bool runExercise(Zendary& z, Exercise exercise)
{
    z.ui.message(kExerciseCaption, numerology::ExerciseInstruction(exercise), shell::Icon::Question);
    // The draw takes the second at which the user closed the instruction.
    const int v = numerology::ExerciseDigit(z.services.clock.now().second);
    z.ui.info(kExerciseCaption, MentalExerciseResult(exercise, v));
    return true;
}

bool NumbersExercise(Zendary& z)
{
    return runExercise(z, Exercise::Numbers);
}

bool ColorsExercise(Zendary& z)
{
    return runExercise(z, Exercise::Colors);
}

bool ShapesExercise(Zendary& z)
{
    return runExercise(z, Exercise::Shapes);
}

bool DevelopAdvice(Zendary& z)
{
    z.ui.info(kMentalPowerCaption, kDevelopAdvice);
    return true;
}

bool FineTuneAdvice(Zendary& z)
{
    z.ui.info(kMentalPowerCaption, numerology::kFineTuneAdvice);
    return true;
}

// A choice counts only when it is exactly one of its list's items.
static bool fromList(const std::string& choice, std::span<const char* const> list)
{
    return std::any_of(list.begin(), list.end(), [&](const char* item) { return choice == item; });
}

bool IntuitionPower(Zendary& z)
{
    const PersonalData& d = z.data;
    if (!fromList(d.number, numberList())) {
        z.ui.stop(kMentalPowerCaption, "Please select number from the drop down list only.    \n\n"
                                       "It can be either: 1, 2, 3, 4, 5, 6, 7, 8, or 9.    ");
        return false;
    }
    if (!fromList(d.color, colorList())) {
        z.ui.stop(kMentalPowerCaption, "Please select color from the drop down list only.    \n\n"
                                       "It can be either: white, yellow, green, red, blue, brown or black.    ");
        return false;
    }
    if (!fromList(d.shape, shapeList())) {
        z.ui.stop(kMentalPowerCaption, "Please select shape from the drop down list only.    \n\n"
                                       "It can be either: triangle, square or circle.    ");
        return false;
    }
    const int difference = std::abs(MentalDateDigit(d.selected) - MentalChoiceDigit(d));
    const shell::DateTime t = z.services.clock.now();
    const std::string clock = numerology::ClockLine(t.year, t.month, t.day, t.hour, t.minute, t.second);
    z.ui.info("INTUITION POWER READING", numerology::PowerReading(clock, difference, kMentalPowerTips));
    return true;
}

}  // namespace zendary
