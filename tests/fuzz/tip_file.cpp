// The tips file: every tip is a line of at most 999 bytes that is not skipped, and a
// file without tips ends the search.
#include <cstring>

#include "fuzz_support.h"
#include "shell/tip_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    long position = 0;
    if (size >= 2) {
        position = long(data[0]) << 8 | data[1];
        data += 2;
        size -= 2;
    }
    shell::TipFile tips(fuzz::asFile("tips.txt", fuzz::asText(data, size)));
    fuzz::check(tips.isOpen(), "a regular file opens");
    fuzz::check(tips.seek(position), "a seek forward works");
    for (int i = 0; i < 20; ++i) {
        const auto tip = tips.next();
        if (!tip)
            break;
        fuzz::check(!tip->empty() && tip->size() <= 999, "a tip holds 1 to 999 bytes");
        fuzz::check(std::strchr(" \t\r\n;", (*tip)[0]) == nullptr, "a skipped line is never a tip");
        fuzz::check(tip->find('\n') == std::string::npos, "a tip is one line");
        fuzz::check(tips.position() >= 0 && std::size_t(tips.position()) <= size, "the position stays in the file");
    }
    return 0;
}
