#include "zendary/readings/superstition_table.h"

namespace zendary {

static const SuperstitionEntry kTable[] = {
#include "resources/zendary/superstition_table.inc"
};

static const char* const kTexts[] = {
#include "resources/zendary/superstition_texts.inc"
};

std::span<const SuperstitionEntry> SuperstitionTable()
{
    return kTable;
}

std::span<const char* const> SuperstitionTexts()
{
    return kTexts;
}

std::optional<std::string_view> LookUpSuperstition(std::string_view chosen)
{
    for (const SuperstitionEntry& entry : kTable)
        if (chosen == entry.keyword)
            return kTexts[entry.text];
    return std::nullopt;
}

}  // namespace zendary
