// The contents of the main window's drop-down lists, in the order they are shown.
#pragma once
#include <span>

namespace zendary {

std::span<const char* const> occupationList();    // past-life occupation, sorted
std::span<const char* const> clueList();          // past-life clue
std::span<const char* const> superstitionList();  // superstition
std::span<const char* const> numberList();        // mental powers: number
std::span<const char* const> colorList();         // mental powers: color
std::span<const char* const> shapeList();         // mental powers: shape

}  // namespace zendary
