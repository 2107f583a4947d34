#include "furlova/window/furlova_window.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_furlova()
{
    static const shell::Program program{
        "furlova",
        shell::TipSpec{"flotips.txt", "Furlova Tip of the Day", "Get Furlova Tip", "Launch Furlova"},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<furlova::FurlovaWindow>(services);
        },
    };
    return program;
}
