#include "pulsara/window/pulsara_window.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_pulsara()
{
    static const shell::Program program{
        "pulsara",
        shell::TipSpec{"pulsetips.txt", "Pulsara Tip of the Day", "Get Pulsara Tip", "Launch Pulsara",
                       "Tips file does not exist in the prescribed directory"},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<pulsara::PulsaraWindow>(services);
        },
    };
    return program;
}
