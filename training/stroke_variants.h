// The same stroke as a hand may draw it next time: a little larger, smaller, or turned either way.
#pragma once

#include <string>
#include <vector>

#include "engine/stroke_tokenizer.h"

// How much larger or smaller, and how far turned (radians), the variants are drawn.
constexpr double kVariantScale = 0.2;
constexpr double kVariantTurn = 0.15;

// The gesture texts of the stroke's variants, each scaled or turned about the stroke's first
// point: 20% larger, 20% smaller, turned 0.15 radians (about 9 degrees) one way and the other.
// A text near the tokenizer's thresholds changes under such small changes, as the next stroke
// of the same hand does.
std::vector<std::string> strokeVariantTexts(const std::vector<ScreenPoint>& points);

// The finished gesture text the plugin makes of `points`, the first the hotkey press.
std::string strokeText(const std::vector<ScreenPoint>& points);
