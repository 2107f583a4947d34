// Furlova's record, the odds rule and the Odds conversation. Plain C++: it talks to the
// user only through the Ui seam.
#pragma once
#include <string>
#include <vector>

#include "numerology/numerology.h"
#include "shell/seams.h"

namespace furlova {

using numerology::Date;

// The years a race date may have.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2099;

struct RaceData {
    std::string horse, jockey, trainer, owner;  // at most 50 characters each
    int postPosition = 1;                       // 1-15
    std::string distance, surface, weather;     // required list choices ("" for none)
    std::string raceClass, medication;          // optional list choices
    int speed = 0;                              // 0-115
    int weight = 115;                           // 105-132
    int age = 2;                                // 1-12
    std::string raceTrack;
    Date date;         // the race date
    int lastBand = 0;  // band digit of the last reading, 0 before the first
};

// The drop-down lists: distances in racing order, the others sorted as shown.
const std::vector<std::string>& DistanceList();
const std::vector<std::string>& SurfaceList();
const std::vector<std::string>& WeatherList();
const std::vector<std::string>& ClassList();
const std::vector<std::string>& MedicationList();

// The sum of every entry's number.
long long OddsTotal(const RaceData& data);
// The total's last two digits (1 when they are 00 or the total has not four digits),
// reduced to a digit and mapped onto the bands 5 to 9.
int BandDigit(long long total);
// "80 - 100%" for 9 ... "0 - 20%" for 6.
std::string BandText(int bandDigit);

bool NumbersInRange(const RaceData& data);
std::string ConfirmationText(const RaceData& data);
std::string ResultText(const RaceData& data, int bandDigit);

// The race date's day-of-month check; the first failure shows its message (if it has
// one) under "DATE ERROR".
bool RaceDateValid(shell::Ui& ui, const Date& date);

extern const char* const kHelpText;

class Furlova {
public:
    explicit Furlova(shell::Services& services);

    shell::Ui& ui;
    RaceData data;

    // Odds on the fields already read; `controlsRead` is false when a number was refused
    // while reading them (its prompt has been shown). True when the result was shown.
    bool Odds(bool controlsRead = true);
    void Help();
};

}  // namespace furlova
