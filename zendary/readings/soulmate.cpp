#include "zendary/readings/soulmate.h"

#include "numerology/dates.h"
#include "pair/pair_reading.h"
#include "pair/pair_report.h"
#include "zendary/zendary.h"
#include "shell/date_checks.h"

namespace zendary {

namespace {

const char* const kSoulmateCaption = "DUOVELL";

bool soulmateGate(Zendary& z)
{
    const PersonalData& d = z.data;
    if (d.firstName.empty() || d.secondName.empty()) {
        z.ui.stop(kSoulmateCaption, "Please enter first and last names for both individuals!");
        return false;
    }
    if (!shell::datesValid(z.ui, "BIRTHDAY ERROR", {&d.first, &d.second}))
        return false;
    if (!z.soulmateNamesChanged())
        return true;
    // Kept even when the answer is No, so that the same names do not ask twice.
    z.rememberSoulmateNames();
    const std::string text = "Is this information accurate?\n\nFirst Individual's Name:\t" + d.firstName +
                             "\nFirst Individual's Birthday:\t" + numerology::DateColumns(d.first) +
                             "\nSecond Individual's Name:\t" + d.secondName + "\nSecond Individual's Birthday:\t" +
                             numerology::DateColumns(d.second) + "\n";
    if (z.ui.askYesNo(kSoulmateCaption, text))
        return true;
    z.ui.stop(kSoulmateCaption, "Please correct any mistakes and try again!");
    return false;
}

// The pair as Zendary sees it: full names as typed, counted with digits.
pairing::PairFacts facts(const PersonalData& d)
{
    return {pairing::ComputePairDigits(d.first, d.second),
            numerology::NameValue(d.firstName) + numerology::NameValue(d.secondName), d.firstName, d.secondName};
}

}  // namespace

bool SoulmateCheck(Zendary& z)
{
    if (!soulmateGate(z))
        return false;
    std::string text = "This report was created for: " + z.data.firstName + " and " + z.data.secondName +
                       "       \n\n" + pairing::ReportSections(facts(z.data), true);
    text.resize(text.size() - 2);  // no line feeds after the last reading
    z.ui.info(kSoulmateCaption, text);
    return true;
}

bool SoulmateReport(Zendary& z)
{
    if (!soulmateGate(z))
        return false;
    const PersonalData& d = z.data;
    const std::string baseName = std::to_string(d.selected.month) + "-" + std::to_string(d.selected.day) + "-" +
                                 std::to_string(d.selected.year) + " " + d.firstName + " and " + d.secondName;
    pairing::StorePairReport(
        z.services, baseName,
        pairing::ReportHeading(d.firstName, d.secondName) + pairing::ReportSections(facts(d), true));
    return true;
}

}  // namespace zendary
