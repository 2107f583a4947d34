#include "psyvane/window/psyvane_window.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_psyvane()
{
    static const shell::Program program{
        "psyvane",
        shell::TipSpec{"psytips.txt", "Psyvane Tip of the Day", "Get Psyvane Tip", "Launch Psyvane",
                       "Tips file does not exist in the prescribed directory"},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<psyvane::PsyvaneWindow>(services);
        },
    };
    return program;
}
