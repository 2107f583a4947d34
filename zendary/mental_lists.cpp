#include "zendary/lists.h"

namespace zendary {

std::span<const char* const> numberList()
{
    static const char* const items[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return items;
}

std::span<const char* const> colorList()
{
    static const char* const items[] = {"white", "yellow", "green", "red", "blue", "brown", "black"};
    return items;
}

std::span<const char* const> shapeList()
{
    static const char* const items[] = {"triangle", "square", "circle"};
    return items;
}

}  // namespace zendary
