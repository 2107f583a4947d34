// Which plain reading each button of the main window runs. Buttons without a row here
// are either served by the window itself (window_buttons.cpp) or not built yet.
#include "readings.h"

namespace zendary {

static const ReadingButton kButtons[] = {
    {1, StarsReading},
};

std::span<const ReadingButton> readingButtons()
{
    return kButtons;
}

}  // namespace zendary
