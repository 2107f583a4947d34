#include "lexivar/window/lexivar_window.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_lexivar()
{
    static const shell::Program program{
        "lexivar",
        shell::TipSpec{"lextips.txt", "Lexivar Tip of the Day", "Get Lexivar Tip", "Launch Lexivar"},
        true,
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            return std::make_unique<lexivar::LexivarWindow>(services);
        },
    };
    return program;
}
