#include "kismora/window/kismora_window.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_kismora()
{
    static const shell::Program program{
        "kismora",
        shell::TipSpec{"kiztips.txt", "Kismora Tip of the Day", "Get Kismora Tip", "Launch Kismora",
                       "Tips file does not exist in the prescribed directory"},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<kismora::KismoraWindow>(services);
        },
    };
    return program;
}
