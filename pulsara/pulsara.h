// Pulsara's record and the conversation of its buttons. Plain C++: it talks to the user
// only through the Ui seam.
#pragma once
#include <string>
#include <vector>

#include "pulsara/biorhythm.h"
#include "shell/seams.h"

namespace pulsara {

// The years the date fields accept.
constexpr int kFirstYear = 1800, kLastYear = 2099;
constexpr int kLongestName = 120;

struct PulsaraData {
    std::string name;    // at most kLongestName characters
    Date birth;          // 1 January 1900 until pulsara.ini says otherwise
    Date selected;       // today
    std::string number;  // "1" ... "9" or empty
    std::string colour;  // one of ColourList() or empty
    Meters meters;
};

enum class Method { Numerology, Traditional };

const std::vector<std::string>& NumberList();
const std::vector<std::string>& ColourList();

std::string ConfirmationText(const PulsaraData& data, Method method);

extern const char* const kExplanationText;
extern const char* const kHelpText;

// The checks of a second person's name and birthday, with the messages of the window's
// own fields: an empty name, then the days of the month.
bool PartnerValid(shell::Ui& ui, const std::string& name, const Date& birth);

class Pulsara {
public:
    explicit Pulsara(shell::Services& services);

    shell::Ui& ui;
    PulsaraData data;

    // NA and TM on the fields already read: the checks, the confirmation, then the meters.
    // True when the meters were set.
    bool Measure(Method method);
    // The biorhythm chart's checks: those of TM, its confirmation included.
    bool ChartReady() { return checksPass(Method::Traditional); }
    void Explain();  // BE
    void Help();     // HP

private:
    bool checksPass(Method method);
};

}  // namespace pulsara
