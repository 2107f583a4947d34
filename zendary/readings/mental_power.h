// The main window's mental-power buttons: three exercises, the Develop and Fine Tune
// advice and the intuition power check over the selected date and three choices.
#pragma once
#include "numerology/intuition.h"
#include "zendary/personal_data.h"
#include "zendary/zendary.h"

namespace zendary {

extern numerology::PowerTips kMentalPowerTips;

// The year digit of month + year + day of the selected date (0 from 2100 on).
int MentalDateDigit(const numerology::Date& selected);
// The number digit of the three choices.
int MentalChoiceDigit(const PersonalData& data);

// The result box of an exercise for the drawn value v.
std::string MentalExerciseResult(numerology::Exercise exercise, int v);

bool NumbersExercise(Zendary& z);  // NEX
bool ColorsExercise(Zendary& z);   // CEX
bool ShapesExercise(Zendary& z);   // FEX
bool DevelopAdvice(Zendary& z);    // DEV
bool FineTuneAdvice(Zendary& z);   // FTU
bool IntuitionPower(Zendary& z);   // CIR

}  // namespace zendary
