// Every program of the suite's list, as the build registers them, for the window tests
// that try every main window.
#pragma once
#include <vector>

#include "tools/program_registry.h"

inline std::vector<const shell::Program*> suitePrograms()
{
    std::vector<const shell::Program*> all;
    for (const RegisteredProgram& registered : registeredPrograms())
        all.push_back(&registered.program());
    return all;
}
