// Kismora's date book: the names read from index.ini are written and read back the same.
#include "fuzz_support.h"
#include "kismora/date_book.h"
#include "kismora/kismora_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto names = kismora::LoadDateNames(fuzz::asFile("index.ini", fuzz::asText(data, size)));
    for (const std::string& name : names) {
        fuzz::check(!name.empty() && name.find('\n') == std::string::npos, "a name is one line, never empty");
        (void)kismora::DateNameProblem(name);
    }
    const auto back = kismora::LoadDateNames(fuzz::asFile("index.ini", kismora::DateNamesFileText(names)));
    fuzz::check(back == names, "the names read back are the same");
    return 0;
}
