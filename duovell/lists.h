// The items of Duovell's drop-down lists.
#pragma once
#include <span>

namespace duovell {

std::span<const char* const> hairColours();  // 8 items
std::span<const char* const> eyeColours();   // 4 items
std::span<const char* const> activities();   // 47 items, in the order they are offered

}  // namespace duovell
