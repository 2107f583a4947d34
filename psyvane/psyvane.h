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

// The years the date may have.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2099;

struct PsyvaneData {
    Date date;
    std::string type = "personal";  // at most 20
    std::string number;             // at most 1
    std::string color;              // at most 20
    std::string shape;              // at most 20
    std::string sign;               // at most 20
};

extern const shell::HelpSpec kPsyvaneHelp;

// The date digit a: the year digit of year + month + day, where sums past the last year
// count as 1.
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
