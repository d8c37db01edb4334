// Examples on disk: saving a canvas stroke for the selected slot, reading every slot's examples, deleting one.
#pragma once

#include <vector>

#include "engine/stroke_tokenizer.h"

// Saves `points` (canvas coordinates, the press first) as the next stroke file of the selected
// slot's folder, created exclusively, and says which in the status.
void recordStroke(const std::vector<ScreenPoint>& points);

// Counts every slot's examples and reads the selected slot's strokes, each marked when the
// configuration gets it wrong or misses it.
void loadExamples();

// Removes the selected example's file.
void deleteSelectedExample();
