#include "zendary/readings/daily_report.h"

#include <fstream>
#include <sstream>

#include "numerology/dates.h"
#include "shell/bounded_read.h"
#include "shell/files.h"
#include "zendary/readings/daily_report_text.h"
#include "zendary/readings/day_readings.h"

namespace zendary {

static const char* const kDailyReportCaption = "DAILY REPORT";

namespace {

// Report mode makes the lucky and unlucky readings silent; it ends with the report,
// however the report ends.
struct ReportMode {
    explicit ReportMode(Zendary& z) : z(z) { z.reportMode = true; }
    ~ReportMode() { z.reportMode = false; }
    Zendary& z;
};

std::string folderFailure(const std::string& folder)
{
    return "Report creation failed! Please make sure that the following directory exists:\n\n" + folder +
           "\n\nIf directory does not exist, please create it first and then try to create report again.\n"
           "If directory exists, please make sure you have free space on your hard drive.";
}

std::string createdMessage(const char* title, const std::string& folder, const std::string& name)
{
    return std::string(title) + "\n\nREPORT LOCATION:\n\n" + folder + "     \n\nREPORT NAME:\n\n" + name;
}

}  // namespace

bool DailyReport(Zendary& z)
{
    if (!z.DatesValid() || !z.PastLifeFields())
        return false;
    z.computeNumbers();
    if (!z.ParentsAges())
        return false;

    // Asked every time, whether or not the dates changed.
    z.rememberDates();
    const auto& d = z.data;
    if (!z.confirm(kDailyReportCaption,
                   "Daily Report feature provides you with an ability to create reports for any day in any "
                   "year. Just enter your and your parents' birthdays and then select a date. Your Report will "
                   "be created for you.\n\nIs this information accurate?\n\n" +
                       numerology::BirthdayLines(d.own, d.mother, d.father, d.selected)))
        return false;

    const ReportMode reportMode(z);
    if (!LuckyNumbers(z) || !UnluckyNumbers(z))
        return false;
    const std::string text = dailyReportText(z);

    const std::string folder = z.services.paths.data("Reports/");
    const std::string name = reportName(d.selected);
    const std::string textPath = folder + name + ".txt";
    shell::makeFolder(folder);
    if (!shell::writeReport(z.services.reports, textPath, text)) {
        z.ui.stop(kDailyReportCaption, folderFailure(folder));
        return false;
    }
    z.ui.info(kDailyReportCaption,
              createdMessage("REPORT WAS CREATED SUCCESSFULLY!\n____________________________________", folder,
                             name + ".txt"));
    if (z.ui.askYesNo(kDailyReportCaption, "Do you want to view your report in text format now?    "))
        z.services.opener.open(textPath);

    if (!z.ui.askYesNo(kDailyReportCaption, "Do you also want to create HTML report?"))
        return true;
    // The page is made from the text report as it stands on disk.
    const auto written = shell::readFileHead(textPath, shell::kDocumentBytes);
    if (!written) {
        z.ui.stop(kDailyReportCaption,
                  "Report creation failed! Text report not found! Please create text report first.");
        return false;
    }
    const std::string htmlPath = folder + name + ".html";
    if (!shell::writeReport(z.services.reports, htmlPath, reportHtml(*written))) {
        z.ui.stop(kDailyReportCaption, folderFailure(folder));
        return false;
    }
    z.ui.info(kDailyReportCaption,
              createdMessage("HTML REPORT WAS CREATED SUCCESSFULLY!\n__________________________________________",
                             folder, name + ".html"));
    if (z.ui.askYesNo(kDailyReportCaption, "Do you want to view your report in html format now?    "))
        z.services.opener.open(htmlPath);
    return true;
}

}  // namespace zendary
