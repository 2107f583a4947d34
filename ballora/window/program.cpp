#include "ballora/window/ballora_window.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_ballora()
{
    static const shell::Program program{
        "ballora",
        shell::TipSpec{"balotips.txt", "Ballora Tip of the Day", "Get Ballora Tip", "Launch Ballora",
                       "Tips file does not exist in the prescribed directory"},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<ballora::BalloraWindow>(services);
        },
    };
    return program;
}
