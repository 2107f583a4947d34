#include "furrowen/window/furrowen_window.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_furrowen()
{
    static const shell::Program program{
        "furrowen",
        shell::TipSpec{"frwtips.txt", "Furrowen Tip of the Day", "Get Furrowen Tip", "Launch Furrowen",
                       "Tips file does not exist in the prescribed directory"},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<furrowen::FurrowenWindow>(services);
        },
    };
    return program;
}
