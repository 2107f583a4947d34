#include "pair/pair_html.h"

#include "shell/files.h"
#include "shell/utf8_text.h"

namespace pairing {

namespace {

const char* const kHtmlHead = "<HTML><HEAD><!-- Mystorin pair report. ";
const char* const kHtmlBody = " --></HEAD><STRONG><BODY BGCOLOR=\"#0000FF\" TEXT=\"#FFFF00\"><H4><P>";
const char* const kHtmlTail = "</H4></STRONG></BODY></HTML>";

}  // namespace

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
        html += shell::escapeHtmlAscii(textReport.substr(i, end - i)) + "<P>";
        i = end + (endsLine ? 1 : 0);
    }
    return html + kHtmlTail;
}

}  // namespace pairing
