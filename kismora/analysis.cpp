#include "kismora/analysis.h"

#include <chrono>

#include "kismora/kismora_files.h"
#include "shell/files.h"
#include "kismora/help_texts.h"

namespace kismora {

namespace {

const char* const kReportCaption = "KISMORA REPORT";
const char* const kGroups[] = {"physical appearance criteria", "social background criteria",
                               "family potential criteria", "habits and interests criteria"};

using Row = std::pair<const char*, std::string DateProfile::*>;

std::string heightText(const DateProfile& p)
{
    return std::to_string(p.feet) + " feet " + std::to_string(p.inches) + " inches";
}

// The label and the three values of one row.
std::array<std::string, 4> textRow(const char* label, const DateProfile& you, const DateProfile& date,
                                   const DateProfile& ideal, std::string DateProfile::*field)
{
    return {label, you.*field, date.*field, ideal.*field};
}

}  // namespace

std::span<const char* const> criteriaGroups()
{
    return kGroups;
}

std::optional<AnalysisGrid> BuildGrid(const DateProfile& you, const DateProfile& date, const DateProfile& ideal,
                                      const std::string& group, bool matchName)
{
    std::array<std::array<std::string, 4>, 6> rows;
    rows[0] = textRow("Name:", you, date, ideal, &DateProfile::name);
    const auto fill = [&](std::initializer_list<Row> five) {
        int i = 1;
        for (const Row& row : five)
            rows[i++] = textRow(row.first, you, date, ideal, row.second);
    };
    if (group == kGroups[0]) {
        fill({{"Gender:", &DateProfile::gender},
              {"Hair Color:", &DateProfile::hair},
              {"Eye Color:", &DateProfile::eyes}});
        rows[4] = {"Height:", heightText(you), heightText(date), heightText(ideal)};
        rows[5] = {"Weight:", std::to_string(you.weight), std::to_string(date.weight), std::to_string(ideal.weight)};
    } else if (group == kGroups[1]) {
        fill({{"Race:", &DateProfile::race},
              {"Religion:", &DateProfile::religion},
              {"Education:", &DateProfile::education},
              {"Occupation:", &DateProfile::occupation},
              {"Residence:", &DateProfile::residence}});
    } else if (group == kGroups[2]) {
        fill({{"Status:", &DateProfile::marital},
              {"Have Children:", &DateProfile::haveChildren},
              {"Want Children:", &DateProfile::wantChildren},
              {"Smoking:", &DateProfile::smoking},
              {"Drinking:", &DateProfile::drinking}});
    } else if (group == kGroups[3]) {
        fill({{"Outdoors:", &DateProfile::outdoors},
              {"Travel:", &DateProfile::travel},
              {"Sports:", &DateProfile::sports},
              {"Movies:", &DateProfile::movies},
              {"Music:", &DateProfile::music}});
    } else {
        return std::nullopt;
    }

    AnalysisGrid grid;
    for (int i = 0; i < 6; ++i) {
        const bool equal = rows[i][2] == rows[i][3];
        std::string match = equal ? "Yes" : "No";
        // A different name counts as a match unless the names are to be matched too.
        if (i == 0 && !equal && !matchName)
            match = " ";
        if (match != "No")
            grid.score += 17;
        grid.cells[i] = {rows[i][0], rows[i][1], rows[i][2], rows[i][3], match};
    }
    if (grid.score == 6 * 17)
        grid.score = 100;
    return grid;
}

std::string AnalysisTitle(const shell::DateTime& today, const std::string& dateName)
{
    static const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    const std::chrono::year_month_day day{std::chrono::year(today.year), std::chrono::month(unsigned(today.month)),
                                          std::chrono::day(unsigned(today.day))};
    const unsigned weekday = std::chrono::weekday(std::chrono::sys_days(day)).c_encoding();
    const std::string dd = (today.day < 10 ? "0" : "") + std::to_string(today.day);
    return std::string(kWeekdays[weekday % 7]) + ", " + kMonths[(today.month + 11) % 12] + " " + dd + ", " +
           std::to_string(today.year) + " - Analyzing " + dateName;
}

std::string ReportText(const DateProfile& you, const DateProfile& date, const DateProfile& ideal)
{
    std::string text = "Kismora Report\n\n";
    // A row: the label, then each value followed by the separator `after` gives it
    // (the ideal column ends the line instead).
    const auto row = [&](const char* label, auto value, auto after) {
        text += label;
        text += value(you) + after(value(you));
        text += value(date) + after(value(date));
        text += value(ideal) + "\n";
    };
    const auto field = [](std::string DateProfile::*member) {
        return [member](const DateProfile& p) { return p.*member; };
    };
    const auto fixed = [](const char* separator) {
        return [separator](const std::string&) { return std::string(separator); };
    };
    const auto feetAndInches = [](const DateProfile& p) {
        return std::to_string(p.feet) + "' " + std::to_string(p.inches) + "\"";
    };
    const auto weight = [](const DateProfile& p) { return std::to_string(p.weight); };
    const auto tabsUnless = [](const char* shortValue) {
        return [shortValue](const std::string& v) { return std::string(v == shortValue ? "\t" : "\t\t"); };
    };
    // Short texts get three blanks so that the next column still lines up.
    const auto padded = [](const std::string& v) { return std::string(v.size() <= 7 ? "   \t" : "\t"); };
    const auto interest = [](const std::string& v) { return std::string(v == "casual" ? "    \t" : "\t"); };

    row("Name:\t", field(&DateProfile::name), fixed("\t"));
    row("Gender:\t\t", field(&DateProfile::gender), fixed("\t\t"));
    row("Hair Color:\t", field(&DateProfile::hair), fixed("\t\t"));
    row("Eye Color:\t", field(&DateProfile::eyes), fixed("\t\t"));
    row("Height:\t\t", feetAndInches, fixed("\t\t"));
    row("Weight:\t\t", weight, fixed("\t\t"));
    row("Race:\t\t", field(&DateProfile::race), fixed("\t"));
    row("Religion:\t", field(&DateProfile::religion), tabsUnless("christianity"));
    row("Education:\t", field(&DateProfile::education), fixed("\t"));
    row("Occupation:\t", field(&DateProfile::occupation), padded);
    row("Residence:\t", field(&DateProfile::residence), padded);
    row("Marital Status:\t", field(&DateProfile::marital), fixed("\t\t"));
    row("Have Children:\t", field(&DateProfile::haveChildren), fixed("\t\t"));
    row("Want Children:\t", field(&DateProfile::wantChildren), fixed("\t\t"));
    row("Drinking:\t", field(&DateProfile::drinking), tabsUnless("occasional"));
    row("Smoking:\t", field(&DateProfile::smoking), fixed("\t\t"));
    row("Outdoors:\t", field(&DateProfile::outdoors), interest);
    row("Travel:\t\t", field(&DateProfile::travel), interest);
    row("Sports:\t\t", field(&DateProfile::sports), interest);
    row("Movies:\t\t", field(&DateProfile::movies), interest);
    row("Music:\t\t", field(&DateProfile::music), interest);
    return text + "\n\n" + kCopyright;
}

Analysis::Analysis(shell::Services& services, const std::string& dateName) :
    services(services), title(AnalysisTitle(services.clock.now(), dateName))
{
    shell::Ui& ui = services.ui;
    const shell::Paths& paths = services.paths;
    if (!LoadProfile(PersonalPath(paths), you)) {
        ui.stop(kCaption, "Please make sure that personal info has been created and saved first.    ");
        return;
    }
    if (!LoadProfile(SelectionPath(paths), ideal)) {
        ui.stop(kCaption, "Please make sure that Kismora info has been created and saved first.    ");
        return;
    }
    const auto datePath = DatePath(paths, dateName);
    if (!datePath || !LoadProfile(*datePath, date)) {
        ui.stop(kCaption, "Please make sure that selected date info has been created and saved first.    ");
        return;
    }
    ready = true;
}

bool Analysis::complainUnlessReady()
{
    if (!ready)
        services.ui.stop(kReportCaption,
                         "Please make sure that personal and the selected date information has been saved first.    ");
    return !ready;
}

std::optional<AnalysisGrid> Analysis::Analyze(const std::string& group, bool matchName)
{
    if (complainUnlessReady())
        return std::nullopt;
    auto grid = BuildGrid(you, date, ideal, group, matchName);
    if (!grid)
        services.ui.stop(kCaption, "Please choose analyze options from the list only.    ");
    return grid;
}

void Analysis::Report()
{
    if (complainUnlessReady())
        return;
    const std::string path = ReportPath(services.paths);
    shell::makeFolder(KismoraFolder(services.paths));
    if (!shell::writeReport(services.reports, path, ReportText(you, date, ideal))) {
        services.ui.stop(kReportCaption, "Report creation failed! Please free some space on your hard drive first!");
        return;
    }
    const shell::Answer answer = services.ui.message(
        kReportCaption,
        "Report was created successfully. \n\nLocation: " + path + "    \n\nDo you want to view your report now?",
        shell::Icon::Information, shell::Buttons::YesNo);
    if (answer == shell::Answer::Yes)
        services.opener.open(path);
}

void Analysis::Tips()
{
    services.ui.info(" KISMORA TIPS", std::string(kDatingTips) + kCopyright);
}

void Analysis::Help()
{
    services.ui.info(kHelpCaption, std::string(kAnalysisHelp) + kCopyright);
}

}  // namespace kismora
