// The executable of one program: the desktop's services and the shared start-up.
#include <QApplication>

#include "shell/gui/program.h"
#include "shell/gui/qt_services.h"

#define MYSTORIN_CONCAT2(a, b) a##b
#define MYSTORIN_CONCAT(a, b) MYSTORIN_CONCAT2(a, b)
#define MYSTORIN_PROGRAM_FN MYSTORIN_CONCAT(mystorin_program_, MYSTORIN_PROGRAM)

const shell::Program& MYSTORIN_PROGRAM_FN();

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const shell::Program& program = MYSTORIN_PROGRAM_FN();
    QApplication::setApplicationName(QString::fromStdString(program.name));
    QApplication::setOrganizationName("Mystorin");
    shell::QtServices services;
    return shell::runProgram(program, services.services(), true);
}
