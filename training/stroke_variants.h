// The same stroke as a hand may draw it next time: a little larger or smaller, turned, wider or narrower, slanted.
#pragma once

#include <string>
#include <vector>

#include "engine/stroke_tokenizer.h"

// How many variants each stroke is drawn again as.
constexpr int kStrokeVariantCount = 20;

// The gesture texts of the stroke drawn again kStrokeVariantCount ways, each changed about the
// stroke's first point: the 16 combinations of 19% larger or smaller, turned 4 degrees either
// way, 15% wider or narrower and slanted by a twentieth either way, then 28% larger and smaller
// alone and 22% wider and narrower alone. A text near the tokenizer's thresholds changes under
// such small changes, as the next stroke of the same hand does.
std::vector<std::string> strokeVariantTexts(const std::vector<ScreenPoint>& points);

// The finished gesture text the plugin makes of `points`, the first the hotkey press.
std::string strokeText(const std::vector<ScreenPoint>& points);
