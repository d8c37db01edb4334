// Examples on disk: saving a canvas stroke for the selected slot, reading every slot's examples, deleting or moving one; what the window shows is handed back.
#pragma once

#include <vector>

#include "engine/stroke_tokenizer.h"
#include "trainer/trainer_outcome.h"

// Saves `points` (canvas coordinates, the press first) as the next stroke file of the selected
// slot's folder, created exclusively: the status says which, and which other slot its gesture
// text `text` launches, if any; the slot's examples changed once the file was made. Nothing,
// without a selected slot.
TrainerOutcome saveStroke(const std::vector<ScreenPoint>& points, const char* text);

// Counts every slot's example files, unread, and reads the selected slot's strokes, each marked
// when the configuration gets it wrong or misses it. Files that cannot be examples, or cannot be
// read, are kept with the reason for the slot's findings.
void loadExamples();
// The same for the selected slot alone: its count, its strokes and its unreadable files.
void loadSelectedExamples();
// Reads every slot's examples (their texts) for the clash findings.
void loadAllExamples();

// Removes the selected example's file and unselects it; a link is named and left alone, so
// nothing outside the examples folder is ever removed. Nothing, without a selected example.
TrainerOutcome removeSelectedExample();

// Moves the example FILE of slot `from` to the next free stroke-NNN.txt of slot `to`, created
// exclusively, then removes the old file; a link, a missing file or a full slot is named and
// nothing moved.
TrainerOutcome moveExample(int from, const char* fileName, int to);
