#include <QCoreApplication>
#include <QStandardPaths>

#include "bar/window/bar_window.h"
#include "bar/first_run.h"
#include "bar/window/pictures.h"
#include "shell/gui/program.h"

const shell::Program& mystorin_program_bar()
{
    static const shell::Program program{
        "bar",
        std::nullopt,
        false,  // the launcher is where the other programs return to
        [](shell::Services& services) -> std::unique_ptr<QDialog> {
            // What the first run writes is worked out only on the first run: an icon painted
            // and encoded, and a search of the menu folders, at every start would slow it.
            if (bar::IsFirstRun(services.paths)) {
                const std::string launcher = (QCoreApplication::applicationDirPath() + "/bar").toStdString();
                const bool installed =
                    !QStandardPaths::locate(QStandardPaths::ApplicationsLocation, bar::kInstalledEntryFile).isEmpty();
                bar::FirstRunIfNeeded(services, {launcher, bar::launcherIconPng(), installed});
            }
            return std::make_unique<bar::BarWindow>(services);
        },
    };
    return program;
}
