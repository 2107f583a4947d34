#pragma once
#include <string>
#include <vector>

#include "shell/gui/program.h"

struct RegisteredProgram {
    std::string name;
    const shell::Program& (*program)();
};

const std::vector<RegisteredProgram>& registeredPrograms();
