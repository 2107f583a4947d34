#include "shell/gui/suite_look.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QFile>
#include <QIcon>

#include "shell/command_line.h"
#include "shell/gui/program_dialog.h"

namespace shell {

QString desktopId(const Program& program)
{
    QString name = program.name == "bar" ? QString("mystorin") : QString::fromStdString(program.name);
    name[0] = name[0].toUpper();
    return "org.mystorin." + name;
}

static QIcon programIcon(const QString& id)
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString file = QString(":/icons/%1/%2.png").arg(id).arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

void applySuiteLook(const Program& program)
{
    QApplication::setApplicationName(QString::fromStdString(program.name));
    QApplication::setApplicationVersion(MYSTORIN_VERSION);
    QApplication::setOrganizationName("Mystorin");
    QApplication::setDesktopFileName(desktopId(program));
    const QIcon icon = programIcon(desktopId(program));
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
    // One family for every window, box, help window, viewer and dialog of the program.
    // A desktop theme gives fonts to some kinds of widget (message boxes, menus, item
    // views...); making the style can bring those back, so the style is made first and
    // the suite's font, set for the whole application, then replaces them all.
    QApplication::style();
    QApplication::setFont(windowFont());
}

std::optional<int> handleCommandLine(const Program& program, int argc, char* argv[])
{
    const CommandLine commandLine = ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    const char* name = program.name.c_str();
    switch (commandLine.action) {
    case CommandLine::Action::Help: std::fputs(HelpText(program.name).c_str(), stdout); return 0;
    case CommandLine::Action::Version: std::printf("%s %s\n", name, MYSTORIN_VERSION); return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s: unknown option '%s' (try '%s --help')\n", name, commandLine.refused.c_str(), name);
        return kExitUsage;
    case CommandLine::Action::Start: break;
    }
    const auto missing = MissingDesktop(commandLine, [](const char* variable) {
        const char* value = std::getenv(variable);
        return std::string(value ? value : "");
    });
    if (missing) {
        std::fprintf(stderr, "%s (Mystorin) needs a graphical desktop session: %s\n", name, missing->c_str());
        return kExitNoDesktop;
    }
    return std::nullopt;
}

}  // namespace shell
