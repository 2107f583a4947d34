#include "pulsara/pulsara.h"

#include "numerology/dates.h"
#include "shell/files.h"

namespace pulsara {

static const char* const kCaption = "PULSARA";
static const char* const kDateCaption = "DATE ERROR";

const char* const kExplanationText =
#include "resources/pulsara/explanation_text.inc"
    ;

const char* const kHelpText =
#include "resources/pulsara/help_text.inc"
    ;

const std::vector<std::string>& NumberList()
{
    static const std::vector<std::string> numbers{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return numbers;
}

const std::vector<std::string>& ColourList()
{
    static const std::vector<std::string> colours{"white", "yellow", "green", "red", "blue", "black"};
    return colours;
}

namespace {

// The day-of-month rule with this program's own wording.
bool dateValid(shell::Ui& ui, const Date& date)
{
    const numerology::DateCheck check = numerology::DateRule(date.month, date.day, date.year);
    if (check.ok)
        return true;
    if (check.message) {
        if (date.month == 2 && date.year % 4 == 0)
            ui.stop(kDateCaption, "There are only 29 days in February!\nPlease correct it and then try again.    ");
        else if (date.month == 2)
            ui.stop(kDateCaption, "There are only 28 days in February!\nPlease correct it and then try again.    ");
        else
            ui.stop(kDateCaption, "There are only 30 days in April, June, September, and November!\n"
                                  "Please correct it and then try again.");
    }
    return false;
}

}  // namespace

std::string ConfirmationText(const PulsaraData& d, Method method)
{
    std::string text = "Is this information accurate?    \n\n"
                       "Full Name:\t" +
                       d.name + "     \n" + "Birthday Info:\t" + numerology::DateColumns(d.birth) + "\n" +
                       "Selected Date:\t" + numerology::DateColumns(d.selected) + "\n";
    if (method == Method::Numerology)
        text += "Selected Number:\t" + d.number + "\n" + "Selected Color:\t" + d.colour + "\n";
    return text;
}

bool PartnerValid(shell::Ui& ui, const std::string& name, const Date& birth)
{
    if (name.empty()) {
        ui.stop(kCaption, "Please enter full name.   ");
        return false;
    }
    return dateValid(ui, birth);
}

Pulsara::Pulsara(shell::Services& services) : ui(services.ui)
{
    const shell::DateTime today = services.clock.now();
    data.selected = {today.month, today.day, today.year};
}

bool Pulsara::checksPass(Method method)
{
    if (data.name.empty()) {
        ui.stop(kCaption, "Please enter full name.   ");
        return false;
    }
    if (!dateValid(ui, data.selected) || !dateValid(ui, data.birth))
        return false;
    if (numerology::DateBefore(data.selected, data.birth)) {
        ui.stop(kDateCaption,
                "You can't select a date before a birth date!    \nPlease correct it and then try again.");
        return false;
    }
    if (method == Method::Numerology) {
        if (data.number.empty()) {
            ui.stop(kCaption, "Please select number.   ");
            return false;
        }
        if (data.colour.empty()) {
            ui.stop(kCaption, "Please select color.   ");
            return false;
        }
    }
    if (!ui.askYesNo(kCaption, ConfirmationText(data, method))) {
        ui.stop(kCaption, "Please correct any mistakes and try again!    ");
        return false;
    }
    return true;
}

bool Pulsara::Measure(Method method)
{
    if (!checksPass(method))
        return false;
    if (method == Method::Traditional)
        data.meters = TraditionalMeters(data.birth, data.selected);
    else
        data.meters =
            NumerologyMeters(data.name, data.colour, shell::settingsInt(data.number, 0), data.birth, data.selected);
    return true;
}

void Pulsara::Explain()
{
    ui.info(kCaption, kExplanationText);
}

void Pulsara::Help()
{
    ui.info("PULSARA HELP", kHelpText);
}

}  // namespace pulsara
