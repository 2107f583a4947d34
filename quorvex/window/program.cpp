#include "quorvex/window/quorvex_window.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_quorvex()
{
    static const shell::Program program{
        "quorvex",
        shell::TipSpec{"quotips.txt", "Quorvex Tip of the Day", "Get Quorvex Tip", "Launch Quorvex",
                       "Tips file does not exist in the default directory", "Did you know that..."},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<quorvex::QuorvexWindow>(services);
        },
    };
    return program;
}
