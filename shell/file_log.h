// Failures to read or write a file, with their cause, for maintainers. The user is told of
// the failures that matter in a box, and rightly not of others (a profile that could not
// be saved at exit, a settings file that turned out to be a folder); either way the cause
// is recorded here. Off by default; on with QT_LOGGING_RULES="mystorin.files=true".
#pragma once
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(mystorinFiles)
