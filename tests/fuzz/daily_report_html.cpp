// The daily report's HTML page: its pieces, put back together, are the text's lines
// without a byte lost or added, and none of them splits a character.
#include "fuzz_support.h"
#include "zendary/readings/report_html.h"

namespace {

std::string unescaped(const std::string& html)
{
    std::string out;
    for (std::size_t i = 0; i < html.size();) {
        bool matched = false;
        for (const auto& [entity, c] : {std::pair{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}}) {
            const std::string e = entity;
            if (html.compare(i, e.size(), e) == 0) {
                out += c;
                i += e.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            out += html[i++];
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::asText(data, size);
    const std::string html = zendary::reportHtml(text);
    const std::string head = "<H4><P>", tail = "</H4></STRONG></BODY></HTML>";
    const auto start = html.find(head);
    fuzz::check(start != std::string::npos && html.size() >= tail.size() &&
                    html.compare(html.size() - tail.size(), tail.size(), tail) == 0,
                "the page has its head and tail");
    std::string body = html.substr(start + head.size(), html.size() - tail.size() - start - head.size());
    std::string joined, textWithoutBreaks;
    const std::string mark = "<P>";
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t end = body.find(mark, at);
        fuzz::check(end != std::string::npos, "every piece ends with <P>");
        const std::string piece = unescaped(body.substr(at, end - at));
        fuzz::check(piece.find('\n') == std::string::npos, "a piece is part of one line");
        if (fuzz::validUtf8(text))
            fuzz::check(fuzz::validUtf8(piece), "no piece splits a character");
        joined += piece;
        at = end + mark.size();
    }
    for (char c : text)
        if (c != '\n')
            textWithoutBreaks += c;
    fuzz::check(joined == textWithoutBreaks, "every byte of the text is on the page");
    return 0;
}
