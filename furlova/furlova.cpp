#include "furlova/furlova.h"

namespace furlova {

static const char* const kCaption = "FURLOVA";

const char* const kHelpText =
#include "resources/furlova/help_text.inc"
    ;

const std::vector<std::string>& DistanceList()
{
    static const std::vector<std::string> list = {
        "4.5 furlongs",    "5 furlongs",   "5.5 furlongs", "6 furlongs",  "6.5 furlongs", "7 furlongs",  "1 mile",
        "1 mile 70 yards", "1 1/16 miles", "1 1/8 miles",  "1 1/4 miles", "1 1/2 miles",  "1 3/4 miles", "2 miles"};
    return list;
}

const std::vector<std::string>& SurfaceList()
{
    static const std::vector<std::string> list = {"dirt", "fast", "firm", "frozen", "good", "muddy", "sloppy", "turf"};
    return list;
}

const std::vector<std::string>& WeatherList()
{
    static const std::vector<std::string> list = {"clear", "percepitation"};
    return list;
}

const std::vector<std::string>& ClassList()
{
    static const std::vector<std::string> list = {"Allowance", "Claimers", "Handicap", "Maiden", "Stake"};
    return list;
}

const std::vector<std::string>& MedicationList()
{
    static const std::vector<std::string> list = {"Bute", "First Time Lasix", "Lasix"};
    return list;
}

long long OddsTotal(const RaceData& d)
{
    long long total = 0;
    for (const std::string* text : {&d.horse, &d.jockey, &d.trainer, &d.owner, &d.medication, &d.raceClass, &d.distance,
                                    &d.surface, &d.weather, &d.raceTrack})
        total += numerology::NameValue(*text);
    total += d.postPosition + d.age + d.weight + d.speed;
    return total + d.date.day + d.date.month + d.date.year;
}

int BandDigit(long long total)
{
    int rest = 1;
    if (total >= 1001 && total <= 9999) {
        rest = static_cast<int>(total % 100);
        if (rest == 0)
            rest = 1;
    }
    const int digit = rest % 9 + 1;
    switch (digit) {
    case 1: return 5;
    case 2: return 6;
    case 3: return 9;
    case 4: return 7;
    default: return digit;
    }
}

std::string BandText(int bandDigit)
{
    switch (bandDigit) {
    case 9: return "80 - 100%";
    case 8: return "60 - 80%";
    case 7: return "40 - 60%";
    case 5: return "20 - 40%";
    default: return "0 - 20%";
    }
}

bool NumbersInRange(const RaceData& d)
{
    return d.speed >= 0 && d.speed <= 115 && d.weight >= 105 && d.weight <= 132 && d.age >= 1 && d.age <= 12 &&
           d.postPosition >= 1 && d.postPosition <= 15;
}

std::string ConfirmationText(const RaceData& d)
{
    using std::to_string;
    return "Is this information accurate?" + std::string(16, ' ') + "\n\n" + "Selected Date:\t" +
           to_string(d.date.month) + "  " + to_string(d.date.day) + "  " + to_string(d.date.year) +
           "\n"
           "Horse Name:\t" +
           d.horse +
           "\n"
           "Jockey Name:\t" +
           d.jockey +
           "\n"
           "Trainer Name:\t" +
           d.trainer +
           "\n"
           "Owner Name:\t" +
           d.owner +
           "\n\n"
           "Post Position:\t" +
           to_string(d.postPosition) +
           "\n"
           "Race Distance:\t" +
           d.distance +
           "\n"
           "Track Surface:\t" +
           d.surface +
           "\n"
           "Weather:\t\t" +
           d.weather +
           "\n"
           "Classs of Race:\t" +
           d.raceClass +
           "\n\n"
           "Medication:\t" +
           d.medication +
           "\n"
           "Speed of Horse:\t" +
           to_string(d.speed) +
           "\n"
           "Horse Weight:\t" +
           to_string(d.weight) +
           "\n"
           "Horse Age:\t" +
           to_string(d.age) +
           "\n"
           "Race Track:\t" +
           d.raceTrack + "\n";
}

std::string ResultText(const RaceData& d, int bandDigit)
{
    return "This reading is based on the Pythagorean Numerology    \n\n"
           "Probability of " +
           d.horse + " winning is: " + BandText(bandDigit);
}

bool RaceDateValid(shell::Ui& ui, const Date& date)
{
    const char* message = nullptr;
    if (date.month < 1 || date.month > 12 || date.year < kFirstYear || date.year > kLastYear)
        return false;
    if (date.month == 2) {
        if (date.year % 4 == 0 && (date.day < 1 || date.day > 29))
            message = "There are only 29 days in February.\nPlease correct it and then try again.    ";
        else if (date.year % 4 != 0 && (date.day < 1 || date.day > 28))
            message = "There are only 28 days in February.\nPlease correct it and then try again.    ";
    } else if (date.month == 4 || date.month == 6 || date.month == 9 || date.month == 11) {
        if (date.day < 1 || date.day > 30)
            message = "There are only 30 days in April, June, September, and November.\n"
                      "Please correct it and then try again.";
    } else if (date.day < 1 || date.day > 31) {
        return false;
    }
    if (message) {
        ui.stop("DATE ERROR", message);
        return false;
    }
    return true;
}

Furlova::Furlova(shell::Services& services) : ui(services.ui)
{
    const shell::DateTime today = services.clock.now();
    data.date = {today.month, today.day, today.year};
}

bool Furlova::Odds(bool controlsRead)
{
    if (data.horse.empty()) {
        ui.stop(kCaption, "Please enter name of the horse.    ");
        return false;
    }
    // A refused number has had its prompt already; the stale value must not be read.
    if (!controlsRead || !NumbersInRange(data))
        return false;
    const struct {
        const std::string& value;
        const char* message;
    } required[] = {{data.distance, "Please select race distance.    "},
                    {data.surface, "Please select track surface.    "},
                    {data.weather, "Please select weather.    "}};
    for (const auto& field : required) {
        if (field.value.empty()) {
            ui.stop(kCaption, field.message);
            return false;
        }
    }
    if (!RaceDateValid(ui, data.date))
        return false;
    if (!ui.askYesNo(kCaption, ConfirmationText(data))) {
        ui.stop(kCaption, "Please correct any mistakes and try again.    ");
        return false;
    }
    data.lastBand = BandDigit(OddsTotal(data));
    ui.info(kCaption, ResultText(data, data.lastBand));
    return true;
}

void Furlova::Help()
{
    ui.info("FURLOVA HELP", kHelpText);
}

}  // namespace furlova
