// The executable of one program: the command line, the suite's look, the desktop's
// services and the shared start-up.
#include <QApplication>

#include "shell/gui/program.h"
#include "shell/gui/qt_services.h"
#include "shell/gui/suite_look.h"

#define MYSTORIN_CONCAT2(a, b) a##b
#define MYSTORIN_CONCAT(a, b) MYSTORIN_CONCAT2(a, b)
#define MYSTORIN_PROGRAM_FN MYSTORIN_CONCAT(mystorin_program_, MYSTORIN_PROGRAM)

const shell::Program& MYSTORIN_PROGRAM_FN();

int main(int argc, char* argv[])
{
    const shell::Program& program = MYSTORIN_PROGRAM_FN();
    // --help and --version answer without a display; QApplication takes Qt's options.
    if (const auto exitCode = shell::handleCommandLine(program, argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    shell::applySuiteLook(program);
    shell::QtServices services;
    return shell::runProgram(program, services.services(), true);
}
