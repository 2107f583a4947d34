// Placeholder list until the superstitions reading lands.
#include "lists.h"

namespace zendary {

std::span<const char* const> superstitionList()
{
    return {};
}

}  // namespace zendary
