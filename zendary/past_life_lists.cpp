// Placeholder lists until the past-lives reading lands.
#include "lists.h"

namespace zendary {

std::span<const char* const> occupationList()
{
    return {};
}

std::span<const char* const> clueList()
{
    return {};
}

}  // namespace zendary
