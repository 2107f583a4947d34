// The executable of one program: the command line, the suite's look, the desktop's
// services and the shared start-up. It is compiled once for the whole suite; each
// executable adds one line that names its program (thisProgram, made by the build).
#include <QApplication>

#include "shell/gui/program.h"
#include "shell/gui/qt_services.h"
#include "shell/gui/suite_look.h"

const shell::Program& thisProgram();

int main(int argc, char* argv[])
{
    const shell::Program& program = thisProgram();
    // --help and --version answer without a display; QApplication takes Qt's options.
    if (const auto exitCode = shell::handleCommandLine(program, argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    shell::applySuiteLook(program);
    shell::QtServices services;
    return shell::runProgram(program, services.services(), true);
}
