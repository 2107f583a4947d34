// Pulsara's record and the conversation of its buttons. Plain C++: it talks to the user
// only through the Ui seam.
#pragma once
#include <string>
#include <vector>

#include "pulsara/biorhythm.h"
#include "shell/seams.h"

namespace pulsara {

struct PulsaraData {
    std::string name;        // 1001, at most 120
    Date birth{1, 1, 1900};  // 1011, 1012, 1013
    Date selected;           // 1002, 1003, 1004
    std::string number;      // 1007, "1" ... "9" or empty
    std::string colour;      // 1008, one of ColourList() or empty
    Meters meters;           // 1014, 1005, 1015
};

enum class Method { Numerology, Traditional };

const std::vector<std::string>& NumberList();
const std::vector<std::string>& ColourList();

std::string ConfirmationText(const PulsaraData& data, Method method);

extern const char* const kExplanationText;
extern const char* const kHelpText;

class Pulsara {
public:
    explicit Pulsara(shell::Services& services);

    shell::Ui& ui;
    PulsaraData data;

    // NA and TM on the fields already read: the checks, the confirmation, then the meters.
    // True when the meters were set.
    bool Measure(Method method);
    void Explain();  // BE
    void Help();     // HP

private:
    bool checksPass(Method method);
};

}  // namespace pulsara
