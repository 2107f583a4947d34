// Quorvex's Portfolio.ini: the names read are written and read back the same.
#include "fuzz_support.h"
#include "quorvex/portfolio_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto names = quorvex::LoadPortfolioNames(fuzz::asFile("Portfolio.ini", fuzz::asText(data, size)));
    if (!names.empty())
        fuzz::check(quorvex::FindExactly(names, names.back()).has_value(), "a listed name is found");
    const auto back = quorvex::LoadPortfolioNames(fuzz::asFile("Portfolio.ini", quorvex::PortfolioFileText(names)));
    fuzz::check(back == names, "the names read back are the same");
    return 0;
}
