#include <QCoreApplication>
#include <QFileInfo>
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
            const QString folder = QCoreApplication::applicationDirPath();
            const bool installed =
                !QStandardPaths::locate(QStandardPaths::ApplicationsLocation, bar::kInstalledEntryFile).isEmpty();
            // A build folder holds the programs in libexec/mystorin beside its CMakeCache.txt.
            const bool buildFolder = QFileInfo::exists(folder + "/../../CMakeCache.txt");
            // The icon is painted and encoded only on the first run, the one that writes it.
            const std::string iconPng = bar::IsFirstRun(services.paths) ? bar::launcherIconPng() : std::string();
            bar::FirstRunIfNeeded(services, {(folder + "/bar").toStdString(), iconPng, installed, buildFolder});
            return std::make_unique<bar::BarWindow>(services);
        },
    };
    return program;
}
