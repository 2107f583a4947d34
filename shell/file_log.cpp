#include "shell/file_log.h"

// Info and debug messages stay off until QT_LOGGING_RULES turns the category on.
Q_LOGGING_CATEGORY(mystorinFiles, "mystorin.files", QtWarningMsg)
