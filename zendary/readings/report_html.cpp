#include "zendary/readings/report_html.h"

#include "pair/pair_html.h"
#include "shell/files.h"
#include "shell/utf8_text.h"

namespace zendary {

std::string reportHtml(const std::string& text)
{
    // A line is written in pieces of at most this many characters, each its own paragraph.
    constexpr std::size_t kPiece = 398;
    std::string html = std::string("<HTML><HEAD><!-- ") + pairing::kCopyrightLine +
                       " --></HEAD><STRONG><BODY BGCOLOR=\"#F00000\" TEXT=\"#FFFF00\"><H4><P>";
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + start, end - start);
        std::size_t at = 0;
        do {
            const std::size_t end = shell::afterCharacters(line, at, kPiece);
            html += shell::escapeHtml(std::string(line.substr(at, end - at))) + "<P>";
            at = end;
        } while (at < line.size());
        start = end + 1;
    }
    return html + "</H4></STRONG></BODY></HTML>";
}

}  // namespace zendary
