#include "pair_report.h"

#include <algorithm>

#include "shell/bounded_read.h"
#include "shell/files.h"
#include "shell/utf8_text.h"

namespace pairing {

namespace {

const char* const kCaption = "DUOVELL";
const char* const kViewerCaption = "DUOVELL REPORT";

const char* const kHtmlHead = "<HTML><HEAD><!-- Mystorin pair report. ";
const char* const kHtmlBody = " --></HEAD><STRONG><BODY BGCOLOR=\"#0000FF\" TEXT=\"#FFFF00\"><H4><P>";
const char* const kHtmlTail = "</H4></STRONG></BODY></HTML>";

// The length in bytes of the UTF-8 sequence that starts with `lead`; stray bytes count one.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

// Escapes HTML's special characters and writes every other non-ASCII character as a
// numeric reference, so the page reads right without a character set in its head.
std::string htmlText(const std::string& text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = sequenceLength(lead);
        if (lead < 0x80) {
            out += shell::escapeHtml(std::string(1, char(lead)));
            ++i;
            continue;
        }
        unsigned code = length == 1 ? 0xFFFD : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((next & 0xC0) != 0x80) {  // a broken sequence: one replacement character
                code = 0xFFFD;
                length = k;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        out += "&#" + std::to_string(code) + ";";
        i += length;
    }
    return out;
}

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

const char* const kCopyrightLine = "Copyright (C) 2000-2026 Mystorin. For entertainment purposes only.";

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

std::string HtmlReport(const std::string& textReport)
{
    std::string html = std::string(kHtmlHead) + kCopyrightLine + kHtmlBody;
    std::size_t i = 0;
    while (i < textReport.size()) {
        // One piece: up to and including a line feed, or 98 characters, whichever comes first.
        const std::size_t lineFeed = textReport.find('\n', i);
        const std::size_t after = shell::afterCharacters(textReport, i, 98);
        // 98 characters fill the piece even when a line feed follows: that one makes the next.
        const bool endsLine = lineFeed < after;
        const std::size_t end = endsLine ? lineFeed : after;
        html += htmlText(textReport.substr(i, end - i)) + "<P>";
        i = end + (endsLine ? 1 : 0);
    }
    return html + kHtmlTail;
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
    if (!shell::writeFileAtomically(textPath, text + "\n" + kCopyrightLine + "\n")) {
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
    if (!shell::writeFileAtomically(htmlPath, HtmlReport(*written))) {
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
