// Quorvex's item files: whatever a file held, the item read from it is written and read
// back as the same item.
#include "fuzz_support.h"
#include "quorvex/portfolio_item.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const numerology::Date today{5, 6, 2007};
    quorvex::PortfolioItem item;
    fuzz::check(quorvex::LoadItemFile(fuzz::asFile("item.txt", fuzz::asText(data, size)), today, item),
                "a regular file opens");
    const std::string text = quorvex::ItemFileText(item);
    quorvex::PortfolioItem back;
    fuzz::check(quorvex::LoadItemFile(fuzz::asFile("item.txt", text), today, back), "the written file opens");
    fuzz::check(quorvex::ItemFileText(back) == text, "an item read back is the same item");
    return 0;
}
