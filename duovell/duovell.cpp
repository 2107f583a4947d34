#include "duovell/duovell.h"

#include <algorithm>

#include "numerology/dates.h"
#include "pair/pair_report.h"
#include "pair/pair_rules.h"
#include "shell/date_checks.h"

namespace duovell {

using pairing::Individual;
using pairing::PairKind;
using pairing::PairRecord;

namespace {

const char* const kCaption = "DUOVELL";

bool isOneOf(const std::string& activity, std::initializer_list<const char*> list)
{
    return std::any_of(list.begin(), list.end(), [&](const char* item) { return activity == item; });
}

std::string personLines(const Individual& p, const char* which)
{
    return std::string(which) + " Individual's Name:\t" + p.fullName() + "\n" + which + " Individual's Birthday:\t" +
           numerology::DateColumns(p.birthday) + "\n" + "Other information:\t\t" + (p.single ? "Single " : "Married ") +
           (p.male ? "Male\n" : "Female\n") + "Hair:\t\t\t" + p.hair + "\n" + "Eyes:\t\t\t" + p.eyes + "\n" +
           (p.pets ? "Pets:\t\t\tYes\n" : "Pets:\t\t\tNo\n");
}

std::string dateText(const numerology::Date& date)
{
    return numerology::DateText(date.month, date.day, date.year);
}

}  // namespace

PairRecord startValues(const shell::DateTime& today)
{
    PairRecord record;
    record.selected = {today.month, today.day, today.year};
    return record;
}

Duovell::Duovell(shell::Services& s) : services(s), ui(s.ui), record(startValues(s.clock.now())) {}

bool Duovell::DatesValid()
{
    return shell::datesValid(ui, "DATE ERROR", {&record.one.birthday, &record.two.birthday, &record.selected});
}

bool Duovell::HairAndEyesChosen()
{
    for (const std::string* item : {&record.one.hair, &record.one.eyes, &record.two.hair, &record.two.eyes}) {
        if (item->empty()) {
            ui.stop(kCaption, "Please select hair or eyes color from the list!");
            return false;
        }
    }
    return true;
}

bool Duovell::NamesGiven()
{
    const PairRecord& r = record;
    if (r.one.firstName.empty() || r.one.lastName.empty() || r.two.firstName.empty() || r.two.lastName.empty()) {
        ui.stop(kCaption, "Please enter first and last names for both individuals!");
        return false;
    }
    return true;
}

std::string ConfirmationText(const PairRecord& r, bool withSelectedDate)
{
    std::string text =
        "Is this information accurate?\n\n" + personLines(r.one, "First") + "\n" + personLines(r.two, "Second");
    if (withSelectedDate)
        text += "\nSelected Date:\t\t" + numerology::DateColumns(r.selected) + "\n" + "Selected Activity:\t\t" +
                r.activity + "\n";
    return text;
}

bool Duovell::BloodQuestionAndConfirmation(bool withSelectedDate)
{
    PairRecord& r = record;
    const std::array<std::string, 4> names{r.one.firstName, r.two.firstName, r.one.lastName, r.two.lastName};
    if (names == r.askedNames)
        return true;
    // The names are kept even when the user answers No below, so that pressing the
    // button again with the same names goes straight on.
    r.askedNames = names;
    r.bloodRelatives = ui.askYesNo(kCaption, "Are these two individuals related by blood?");
    if (ui.askYesNo(kCaption, ConfirmationText(r, withSelectedDate)))
        return true;
    ui.stop(kCaption, "Please correct any mistakes and try again!");
    return false;
}

bool Duovell::ActivityAllowed()
{
    const PairRecord& r = record;
    const std::string& a = r.activity;
    const char* message = nullptr;
    const bool under17 = r.selected.year - r.one.birthday.year < 17 || r.selected.year - r.two.birthday.year < 17;
    if (r.bloodRelatives &&
        isOneOf(a, {"have an affair", "make love", "ask on a date", "start a relationship", "make a commitment",
                    "end a relationship", "end an affair", "get divorced", "get married"}))
        message =
            "PLEASE NOTE!\n\nhave an affair\nmake love\nask on a date\nstart a relationship\nmake a commitment\n"
            "end a relationship\nend an affair\nget divorced\nget married\n\nreadings are not for blood relatives!";
    else if (under17 && isOneOf(a, {"have an affair", "make love", "move in together", "get married"}))
        message = "Since you have indicated that at least on of these individuals is younger than 17 years old, "
                  "you can not select this option.";
    else if (a == "get divorced" && (r.one.single || r.two.single))
        message = "Since you have indicated that these individuals are not married, you can not select this option.";
    else if (a == "visit inlaws with" && r.one.single && r.two.single)
        message = "Since you have indicated that both individuals are not married, you can not select this option.";
    else if (a == "get married" && (!r.one.single || !r.two.single))
        message = "Since you have indicated that one of the individuals is already married, you can not select "
                  "this option.";
    if (!message)
        return true;
    ui.warn(kCaption, message);
    return false;
}

bool Duovell::PairGate(Gate gate)
{
    if (!DatesValid() || !HairAndEyesChosen())
        return false;
    record.coupleType = pairing::CoupleType(record);
    if (gate != Gate::Report && !NamesGiven())
        return false;
    if (gate != Gate::PairReading && record.activity.empty()) {
        ui.stop(kCaption, "Please select an activity!");
        return false;
    }
    if (!BloodQuestionAndConfirmation(gate != Gate::PairReading))
        return false;
    return gate == Gate::PairReading || ActivityAllowed();
}

std::string ForecastText(const PairRecord& r)
{
    return r.one.fullName() + " and " + r.two.fullName() + "\n\n" + r.activity + " on " + dateText(r.selected) +
           "\n\nProbability of a good outcome:\t    " + pairing::ActivityForecast(r) +
           "\n_________________________________\n\n"
           "How to use this prediction:\n\n"
           "10 - 30%\tDo not do it today!\n\n"
           "30 - 50%\tYou might want to postpone!\n\n"
           "50 - 75%\tYou can do it today!\n\n"
           "75 - 99%\tYou should do it today!\n\n";
}

bool Duovell::Reading()
{
    if (!PairGate(Gate::Reading))
        return false;
    ui.info(kCaption, ForecastText(record));
    return true;
}

bool Duovell::PairReadingButton(PairKind kind)
{
    if (!PairGate(Gate::PairReading))
        return false;
    if (record.bloodRelatives && pairing::NotForBloodRelatives(kind)) {
        ui.warn(kCaption, pairing::kBloodRelativesNote);
        return false;
    }
    ui.info(pairing::ReadingCaption(kind), "This reading is based on:\n\nThe Egyptian Book of Dead and The Cabala.\n\n"
                                           "_______________________________________\n\n\n" +
                                               record.one.fullName() + " and " + record.two.fullName() + "\n\n" +
                                               pairing::PairReading(kind, record));
    return true;
}

std::string ReportText(const PairRecord& r)
{
    return pairing::ReportHeading(r.one.fullName(), r.two.fullName()) +
           pairing::ReportSections(pairing::FactsOf(r), !r.bloodRelatives) + r.activity + " on " +
           dateText(r.selected) + " - Probability of a good outcome:  " + pairing::ReportForecast(r) + "\n" +
           std::string(72, '_') +
           "\n\nHow to use this prediction:\n\n"
           "10 - 30%  Do not do it today!\n\n"
           "30 - 50%  You might want to postpone!\n\n"
           "50 - 75%  You can do it today!\n\n"
           "75 - 99%  You should do it today!\n\n";
}

std::string ReportBaseName(const PairRecord& r)
{
    const auto& d = r.selected;
    return std::to_string(d.month) + "-" + std::to_string(d.day) + "-" + std::to_string(d.year) + " " +
           r.one.fullName() + " and " + r.two.fullName() + " " + r.activity;
}

bool Duovell::Report()
{
    if (!PairGate(Gate::Report))
        return false;
    if (record.bloodRelatives)
        ui.warn(kCaption, pairing::kBloodRelativesNote);
    pairing::StorePairReport(services, ReportBaseName(record), ReportText(record));
    return true;
}

}  // namespace duovell
