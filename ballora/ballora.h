// Ballora's record and its conversations: the checks, the confirmation, the numbers and
// the report. Plain C++ that talks to the user only through the Ui seam.
#pragma once
#include <array>
#include <string>

#include "ballora/lottery.h"
#include "shell/seams.h"
#include "shell/copyright.h"

namespace ballora {

using shell::kCopyrightLine;
extern const char* const kMaxNumbers[5];  // the drop-down's items, in list order

struct BalloraData {
    Date birthday{1, 1, kFirstYear};
    std::string first;   // at most 50
    std::string middle;  // at most 50, may stay empty
    std::string last;    // at most 100
    Date selected;
    std::string maxText = "50";  // at most 10
    std::array<int, 6> numbers{1, 1, 1, 1, 1, 1};
    // Working values of the last calculation.
    int maxNumber = 50;
    int total = 0;
    int dayValue = 0;
};

// Start values: birthday January 1 of the first year, no names, today as the selected date, max number "50".
BalloraData startValues(const shell::DateTime& today);

// The max number a list text stands for, or 0 when it is none of the five.
int MaxNumberOf(const std::string& text);

std::string ConfirmationText(const BalloraData& data);
std::string ReportText(const BalloraData& data);
std::string HelpText();

class Ballora {
public:
    explicit Ballora(shell::Services& services);

    shell::Services& services;
    shell::Ui& ui;
    BalloraData data;

    // Birthday, then selected date; a bad one shows "DATE ERROR" where it has a message.
    bool DatesValid();
    // "&Calculate" on the fields already read: true when the numbers are to be shown.
    bool Calculate();
    // "&Report" on the fields already read: true when the numbers are to be shown.
    bool Report();
    void Help();

    std::string reportsFolder() const;
    std::string reportPath() const;

private:
    bool checksAndConfirmation();
    void compute();
};

}  // namespace ballora
