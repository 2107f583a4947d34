// Buttons whose handlers need the window itself rather than the record alone.
#include "zendary/window/death_dialog.h"
#include "zendary/readings/message_decode.h"
#include "zendary/window/zendary_window.h"

namespace zendary {

static const WindowButton kButtons[] = {
    {0, nullptr},  // keeps the table valid while it has no other row
    // Death reading dialog.
    {1125, OpenDeathReading},
    // Copy, paste and decode of the message box.
    {1095, CopyMessageButton},
    {1096, PasteMessageButton},
    {1097, DecodeMessageButton},
};

std::span<const WindowButton> windowButtons()
{
    return std::span<const WindowButton>(kButtons).subspan(1);
}

}  // namespace zendary
