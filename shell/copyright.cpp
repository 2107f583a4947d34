#include "shell/copyright.h"

namespace shell {

const char* const kCopyrightLine = "Copyright (C) 2000-2026 Mystorin. For entertainment purposes only.";

}  // namespace shell
