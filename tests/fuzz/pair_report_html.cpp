// The pair report's HTML copy: its pieces, decoded, are the text without its line feeds,
// every character whole (a broken one the replacement character), at most 98 a piece.
#include "fuzz_support.h"
#include "pair/pair_html.h"

namespace {

void appendUtf8(std::string& out, unsigned code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | code >> 6);
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | code >> 12);
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | code >> 18);
        out += char(0x80 | (code >> 12 & 0x3F));
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// The text of a piece, and how many characters it has.
std::pair<std::string, std::size_t> decoded(const std::string& html)
{
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < html.size(); ++characters) {
        if (html[i] != '&') {
            out += html[i++];
            continue;
        }
        const std::size_t end = html.find(';', i);
        fuzz::check(end != std::string::npos, "a reference ends");
        const std::string name = html.substr(i + 1, end - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name.size() > 1 && name[0] == '#')
            appendUtf8(out, unsigned(std::stoul(name.substr(1))));
        else
            fuzz::check(false, "only known references");
        i = end + 1;
    }
    return {out, characters};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::asText(data, size);
    const std::string html = pairing::HtmlReport(text);
    const std::string body = "<H4><P>", tail = "</H4></STRONG></BODY></HTML>";
    const auto start = html.find(body);
    fuzz::check(start != std::string::npos && html.size() >= tail.size() &&
                    html.compare(html.size() - tail.size(), tail.size(), tail) == 0,
                "the page has its head and tail");
    const std::string pieces = html.substr(start + body.size(), html.size() - tail.size() - start - body.size());
    const bool valid = fuzz::validUtf8(text);
    std::string joined;
    for (std::size_t at = 0; at < pieces.size();) {
        const std::size_t end = pieces.find("<P>", at);
        fuzz::check(end != std::string::npos, "every piece ends with <P>");
        const auto [piece, characters] = decoded(pieces.substr(at, end - at));
        // A stray byte is a character of its own on the page but not in the text.
        if (valid)
            fuzz::check(characters <= 98, "a piece holds at most 98 characters");
        fuzz::check(piece.find('\n') == std::string::npos, "a piece is part of one line");
        joined += piece;
        at = end + 3;
    }
    if (valid) {
        std::string withoutBreaks;
        for (char c : text)
            if (c != '\n')
                withoutBreaks += c;
        fuzz::check(joined == withoutBreaks, "every character of the text is on the page, none split");
    }
    return 0;
}
