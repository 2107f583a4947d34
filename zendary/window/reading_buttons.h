// The reading buttons of the main window. Each reading runs after the window has read
// its controls into the record; it returns true when it ended normally, so that the
// window writes the record back into the controls.
#pragma once
#include <span>

#include "zendary/zendary.h"

namespace zendary {

using Reading = bool (*)(Zendary&);

struct ReadingButton {
    int id;
    Reading run;
};

// Every button served by a plain reading; see reading_buttons.cpp.
std::span<const ReadingButton> readingButtons();

}  // namespace zendary
