#include "zendary/readings/dream_table.h"

namespace zendary {

static const DreamEntry kTable[] = {
#include "resources/zendary/dream_table.inc"
};

static const char* const kTexts[] = {
#include "resources/zendary/dream_texts_1.inc"
#include "resources/zendary/dream_texts_2.inc"
#include "resources/zendary/dream_texts_3.inc"
#include "resources/zendary/dream_texts_4.inc"
};

std::span<const DreamEntry> DreamTable()
{
    return kTable;
}

std::span<const char* const> DreamTexts()
{
    return kTexts;
}

static bool matches(const DreamEntry& entry, std::string_view dream)
{
    const std::string_view keyword = entry.keyword;
    return entry.match == Match::Whole ? dream == keyword : dream.starts_with(keyword);
}

std::optional<std::string_view> InterpretDream(std::string_view dream)
{
    for (const DreamEntry& entry : kTable)
        if (matches(entry, dream))
            return kTexts[entry.text];
    return std::nullopt;
}

}  // namespace zendary
