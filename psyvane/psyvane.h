// Psyvane's record and its conversations. Plain C++: it talks to the user only through
// the Ui seam and shows the progress bar through a callback.
#pragma once
#include <functional>
#include <string>

#include "numerology/intuition.h"
#include "numerology/numerology.h"
#include "shell/help.h"
#include "shell/seams.h"

namespace psyvane {

using numerology::Date;
using numerology::Exercise;

struct PsyvaneData {
    Date date;                      // 1016, 1017, 1018
    std::string type = "personal";  // 1014
    std::string number;             // 1009, at most 1
    std::string color;              // 1010, at most 20
    std::string shape;              // 1012, at most 20
    std::string sign;               // 1013, at most 20
};

extern const shell::HelpSpec kPsyvaneHelp;

// The date digit a: the year digit of year + month + day, where 2100 and more count as 1.
int DateSumDigit(const Date& date);
// The choice digit b of the five choices.
int ChoiceDigit(const PsyvaneData& data);
// |a - b|, the row of the power table.
int PowerDifference(const PsyvaneData& data);

extern numerology::PowerTips kTips;

std::string ConfirmationText(const PsyvaneData& data);
// The result box of an exercise for the drawn value v.
std::string ExerciseResult(Exercise exercise, int v);

class Psyvane {
public:
    explicit Psyvane(shell::Services& services);

    shell::Services& services;
    shell::Ui& ui;
    PsyvaneData data;
    std::function<void(int)> showProgress = [](int) {};

    void RunExercise(Exercise exercise);
    // Check Intuition on the fields already read; true when the reading was shown.
    bool CheckIntuition();
    void Develop();
    void FineTune();
    void Help();
    // The right mouse button on the window.
    void Secret();

private:
    void animate();
};

// Start values: today's date, type "personal", nothing else chosen.
PsyvaneData startValues(const shell::DateTime& today);

}  // namespace psyvane
