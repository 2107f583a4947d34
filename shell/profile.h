// A program's profile: a QSettings INI file named after the program in the config folder.
#pragma once
#include <memory>
#include <string>

#include <QSettings>

#include "shell/seams.h"

namespace shell {

std::unique_ptr<QSettings> openProfile(const Paths& paths, const std::string& program);

// An integer setting, or `fallback` when it is missing or not a number.
int profileInt(const QSettings& profile, const QString& key, int fallback);

}  // namespace shell
