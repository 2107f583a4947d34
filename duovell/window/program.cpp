#include "duovell/window/duovell_window.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_duovell()
{
    static const shell::Program program{
        "duovell",
        shell::TipSpec{"duotips.txt", "Duovell Tip of the Day", "Get Duovell Tip", "Launch Duovell"},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<duovell::DuovellWindow>(services);
        },
    };
    return program;
}
