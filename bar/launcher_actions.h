// What the launcher's buttons and its right-click do. Plain C++ over the seams.
#pragma once
#include <string>

#include "shell/seams.h"

namespace bar {

// The publisher's page where new versions are announced.
inline constexpr const char* kUpdatesAddress = "https://mystorin.example/updates";

// Replaces the launcher with the program; returns (leaving the launcher open, without a
// message) only when the program could not be started.
void StartProgram(shell::Services& services, const std::string& program);

// Opens the updates page in the browser, or shows its address when the suite's read-me
// page (which marks a complete installation of the documents) is not there.
void Updates(shell::Services& services);

// Opens the support document; nothing happens when it is missing.
void Support(shell::Services& services);

// The right-click question and, on Yes, the awards box.
void LearnMore(shell::Ui& ui);

}  // namespace bar
