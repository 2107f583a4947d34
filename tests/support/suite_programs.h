// Every program of the suite's list, as the build registers them, for the window tests
// that try every main window, which take them as Qt Test data.
#pragma once
#include <vector>

#include <QMetaType>
#include <QTest>

#include "tools/program_registry.h"

Q_DECLARE_METATYPE(const shell::Program*)

inline std::vector<const shell::Program*> suitePrograms()
{
    std::vector<const shell::Program*> all;
    for (const RegisteredProgram& registered : registeredPrograms())
        all.push_back(&registered.program());
    return all;
}

// A Qt Test data function's rows: one for each program, in the column "program".
inline void addSuiteProgramRows()
{
    QTest::addColumn<const shell::Program*>("program");
    for (const shell::Program* program : suitePrograms())
        QTest::newRow(program->name.c_str()) << program;
}
