#include <QCoreApplication>

#include "bar_window.h"
#include "first_run.h"
#include "pictures.h"
#include "shell/program.h"

const shell::Program& mystorin_program_bar()
{
    static const shell::Program program{
        "bar",
        std::nullopt,
        false,  // the launcher is where the other programs return to
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            const std::string launcher = (QCoreApplication::applicationDirPath() + "/bar").toStdString();
            bar::FirstRunIfNeeded(services, {launcher, bar::launcherIconPng()});
            return std::make_unique<bar::BarWindow>(services);
        },
    };
    return program;
}
