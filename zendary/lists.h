// The contents of the main window's drop-down lists, in the order they are shown.
#pragma once
#include <span>

namespace zendary {

std::span<const char* const> occupationList();    // 1002, sorted
std::span<const char* const> clueList();          // 1014
std::span<const char* const> superstitionList();  // 1020
std::span<const char* const> numberList();        // 1104
std::span<const char* const> colorList();         // 1006
std::span<const char* const> shapeList();         // 1007

}  // namespace zendary
