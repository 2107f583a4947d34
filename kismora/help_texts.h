// Kismora's help boxes, for every window that offers one.
#pragma once

namespace kismora {
#include "resources/kismora/help_texts.inc"
}  // namespace kismora
