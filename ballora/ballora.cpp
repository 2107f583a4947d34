#include "ballora/ballora.h"

#include "numerology/dates.h"
#include "shell/date_checks.h"
#include "shell/files.h"

namespace ballora {

const char* const kMaxNumbers[5] = {"50", "40", "30", "20", "10"};

static const char* const kCaption = "BALLORA";

BalloraData startValues(const shell::DateTime& today)
{
    BalloraData d;
    d.selected = {today.month, today.day, today.year};
    return d;
}

int MaxNumberOf(const std::string& text)
{
    for (int max : {10, 20, 30, 40, 50})
        if (text == std::to_string(max))
            return max;
    return 0;
}

std::string ConfirmationText(const BalloraData& d)
{
    return "Is this information accurate?    \n\n"
           "Full Name:\t" +
           d.first + " " + d.middle + " " + d.last + "     \n" + "Birthday Info:\t" +
           numerology::DateColumns(d.birthday) + "\n" + "Max Number:\t" + d.maxText + "\n" + "Selected Date:\t" +
           numerology::DateColumns(d.selected) + "\n";
}

static std::string spaced(const Date& date)
{
    return std::to_string(date.month) + " " + std::to_string(date.day) + " " + std::to_string(date.year);
}

std::string ReportText(const BalloraData& d)
{
    std::string numbers;
    for (std::size_t i = 0; i < d.numbers.size(); ++i)
        numbers += (i ? "  " : "") + std::to_string(d.numbers[i]);
    return "Ballora Report For: " + d.first + " " + d.middle + " " + d.last + "\n\n" +
           "Birthday Info: " + spaced(d.birthday) + "\n\n" + "Selected Date: " + spaced(d.selected) + "\n\n" +
           "Max Lottery Number: " + d.maxText + "\n\n" + "Lottery Numbers: " + numbers + "\n\n\n" + kCopyrightLine +
           "\n";
}

std::string HelpText()
{
    return
#include "resources/ballora/help_text.inc"
        +std::string(kCopyrightLine);
}

Ballora::Ballora(shell::Services& s) : services(s), ui(s.ui), data(startValues(s.clock.now())) {}

bool Ballora::DatesValid()
{
    // Years outside the program's own range fail without a message.
    for (const Date* date : {&data.birthday, &data.selected})
        if (date->year < kFirstYear || date->year > kLastYear || !shell::datesValid(ui, "DATE ERROR", {date}))
            return false;
    return true;
}

bool Ballora::checksAndConfirmation()
{
    if (!DatesValid())
        return false;
    if (data.first.empty()) {
        ui.stop(kCaption, "Please enter first name!    ");
        return false;
    }
    if (data.last.empty()) {
        ui.stop(kCaption, "Please enter last name!    ");
        return false;
    }
    const int max = MaxNumberOf(data.maxText);
    if (max == 0) {
        ui.stop(kCaption, "Please select max number for your lottery game from the drop down box only!    ");
        return false;
    }
    data.maxNumber = max;
    if (!ui.askYesNo(kCaption, ConfirmationText(data))) {
        ui.stop(kCaption, "Please correct any mistakes and try again!    ");
        return false;
    }
    return true;
}

void Ballora::compute()
{
    const LotteryResult r =
        LotteryNumbers({data.birthday, data.first, data.middle, data.last, data.selected, data.maxNumber});
    data.total = r.total;
    data.dayValue = r.dayValue;
    data.numbers = r.numbers;
}

bool Ballora::Calculate()
{
    if (!checksAndConfirmation())
        return false;
    compute();
    return true;
}

std::string Ballora::reportsFolder() const
{
    return services.paths.data("Reports") + "/";
}

std::string Ballora::reportPath() const
{
    return reportsFolder() + "ballora.txt";
}

bool Ballora::Report()
{
    if (!checksAndConfirmation())
        return false;
    compute();
    const std::string folder = reportsFolder(), path = reportPath();
    shell::makeFolder(folder);
    if (!shell::writeReport(services.reports, path, ReportText(data))) {
        ui.stop(kCaption, "Report creation failed! Please make sure that the following directory exists:\n\n" + folder +
                              "\n\nIf directory does not exist, please create it first and then try to create "
                              "report again.\nIf directory exists, please make sure you have free space on your "
                              "hard drive.");
        return false;
    }
    ui.info(kCaption, "REPORT WAS CREATED SUCCESSFULLY!\n____________________________________\n\nREPORT LOCATION:\n\n" +
                          folder + "     \n\nREPORT NAME:\n\n" + path + "     ");
    if (ui.askYesNo("BALLORA REPORT", "Do you want to view your report now?    "))
        services.opener.open(path);
    return true;
}

void Ballora::Help()
{
    ui.info("BALLORA HELP", HelpText());
}

}  // namespace ballora
