#include "pair/pair_report.h"

#include "shell/bounded_read.h"
#include "shell/files.h"

namespace pairing {

namespace {

const char* const kCaption = "DUOVELL";
const char* const kViewerCaption = "DUOVELL REPORT";

std::string creationFailed(const std::string& folder)
{
    return "Report creation failed! Please make sure that the following directory exists:\n\n" + folder +
           "\n\nIf directory does not exist, please create it first and then try to create report again.\n"
           "If directory exists, please make sure you have free space on your hard drive.";
}

std::string createdSuccessfully(const char* heading, const std::string& folder, const std::string& name)
{
    return std::string(heading) + "\n\nREPORT LOCATION:\n\n" + folder + "     \n\nREPORT NAME:\n\n" + name;
}

}  // namespace

std::string ReportHeading(const std::string& name1, const std::string& name2)
{
    return "These readings are based on The Egyptian Book of Dead and The Cabala.\n\n"
           "This report was created for: " +
           name1 + " and " + name2 + "\n\n";
}

std::string ReportSections(const PairFacts& facts, bool withLoveFateRegrets)
{
    std::string text;
    for (PairKind kind : ReportOrder()) {
        if (withLoveFateRegrets || !NotForBloodRelatives(kind))
            text += SectionLabel(kind) + PairReading(kind, facts) + "\n\n";
    }
    return text;
}

void StorePairReport(shell::Services& services, const std::string& baseName, const std::string& text)
{
    shell::Ui& ui = services.ui;
    const std::string folder = services.paths.data("Reports") + "/";
    const std::string textName = baseName + ".txt", htmlName = baseName + ".html";
    if (!shell::isSafeFileName(textName)) {
        ui.stop(kCaption, "This report can not be created, because its name would lead outside the reports "
                          "directory:\n\n" +
                              textName + "\n\nPlease remove any \"/\" or \"\\\" from the names and try again.");
        return;
    }
    if (!shell::fitsFileName(htmlName)) {  // the longer of the two names
        ui.stop(kCaption, shell::nameTooLongMessage("report", textName));
        return;
    }
    shell::makeFolder(folder);
    const std::string textPath = folder + textName, htmlPath = folder + htmlName;

    if (shell::fileExists(textPath) &&
        ui.message(kCaption, "Exactly the same text report already exists. Do you want to overwrite it?",
                   shell::Icon::Exclamation, shell::Buttons::YesNo) != shell::Answer::Yes)
        return;
    if (!shell::writeReport(services.reports, textPath, text + "\n" + kCopyrightLine + "\n")) {
        ui.stop(kCaption, creationFailed(folder));
        return;
    }
    ui.info(kCaption, createdSuccessfully("REPORT WAS CREATED SUCCESSFULLY!\n____________________________________",
                                          folder, textName));
    if (ui.askYesNo(kViewerCaption, "Do you want to view your report in text format now?    "))
        services.opener.open(textPath);

    if (!ui.askYesNo(kCaption, "Do you also want to create HTML report?"))
        return;
    if (shell::fileExists(htmlPath) &&
        ui.message(kCaption, "Exactly the same html report already exists. Do you want to overwrite it?",
                   shell::Icon::Exclamation, shell::Buttons::YesNo) != shell::Answer::Yes)
        return;
    // The copy is made from the file on disk, so it holds exactly what was just written.
    const auto written = shell::readFileHead(textPath, shell::kDocumentBytes);
    if (!written) {
        ui.stop(kCaption, "Report creation failed! Text report not found! Please create text report first.");
        return;
    }
    if (!shell::writeReport(services.reports, htmlPath, HtmlReport(*written))) {
        ui.stop(kCaption, creationFailed(folder));
        return;
    }
    ui.info(kCaption,
            createdSuccessfully("HTML REPORT WAS CREATED SUCCESSFULLY!\n__________________________________________",
                                folder, htmlName));
    if (ui.askYesNo(kViewerCaption, "Do you want to view your report in html format now?    "))
        services.opener.open(htmlPath);
}

}  // namespace pairing
