#include "shell/gui/program.h"
#include "zendary/window/zendary_window.h"

const shell::Program& mystorin_program_zendary()
{
    static const shell::Program program{
        "zendary",
        shell::TipSpec{"tips.txt", "Zendary Tip of the Day", "Get Zendary Tip", "Launch Zendary"},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<zendary::ZendaryWindow>(services);
        },
    };
    return program;
}
