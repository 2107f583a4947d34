// What the biorhythm chart shows, a day at a time, for a screen reader.
#pragma once
#include <vector>

#include "pulsara/biorhythm_chart.h"
#include "shell/gui/picture_items.h"

namespace pulsara {

// One item a day, in date order: "7-4-2026: Physical 50, Emotional 73, Intellectual 95",
// then "; critical: Physical" for the curves at or across 50 that day and "; selected
// date" for the selected day, which is also the one item selected.
shell::PictureItems chartItems(const std::vector<ChartDay>& days);

}  // namespace pulsara
