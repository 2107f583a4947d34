#include "pair/pair_html.h"

#include "shell/files.h"
#include "shell/utf8_text.h"

namespace pairing {

namespace {

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
        // An overlong form, a surrogate or a number beyond Unicode is no character
        // either: the lead byte stands for a replacement character, the rest for theirs.
        const unsigned lowest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code != 0xFFFD && (code < lowest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)) {
            code = 0xFFFD;
            length = 1;
        }
        out += "&#" + std::to_string(code) + ";";
        i += length;
    }
    return out;
}

}  // namespace

const char* const kCopyrightLine = "Copyright (C) 2000-2026 Mystorin. For entertainment purposes only.";

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

}  // namespace pairing
