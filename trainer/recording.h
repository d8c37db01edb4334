// Examples on disk: saving a canvas stroke for the selected slot, reading every slot's examples, deleting or moving one; what the window shows is handed back.
#pragma once

#include <string>
#include <vector>

#include "engine/stroke_tokenizer.h"
#include "trainer/trainer_outcome.h"

// Saves `points` (canvas coordinates, the press first) as the next stroke file of the selected
// slot's folder: written to a temporary, flushed, then named exclusively; the status says which, and which other slot its gesture
// text `text` launches, if any; the slot's examples changed once the file was made. Nothing,
// without a selected slot.
TrainerOutcome saveStroke(const std::vector<ScreenPoint>& points, const char* text);

// Counts every slot's example files, unread, and has the selected slot's strokes read on the
// slot reader's thread (startSlotRead), each marked when the configuration gets it wrong or
// misses it. Files that cannot be examples, or cannot be read, are kept with the reason for the
// slot's findings.
void loadExamples();
// The same for the selected slot alone: its count and files listed now, its strokes read.
void loadSelectedExamples();

// Removes the selected example's file and unselects it; a link, a read-only file, or a slot
// folder that is a link (slotFolderLink) is named and left alone, so nothing outside the
// examples folder is ever removed. Nothing, without a selected example.
TrainerOutcome removeSelectedExample();
// Removes every example of `slot` the same way, a link or read-only file named and kept.
TrainerOutcome removeSlotExamples(int slot);

// Renames the example FILE of slot `from` to the next free stroke-NNN.txt of slot `to`, never
// over a file; a link, a read-only or missing file, a slot folder that is a link, or a full
// slot is named and nothing moved. No recording or Move writes through a slot folder that is a link.
TrainerOutcome moveExample(int from, const char* fileName, int to);

// Removes the temporaries a recording killed midway left in the slot folders (none that is a
// link), each named in a status: such a file is cut short, never an example.
void removeLeftoverTemporaries();
// The same move of a stroke file at `source`, already known to be a listed file of its folder,
// named `shown` in statuses: Move's and History Assign's one way of moving a stroke.
TrainerOutcome moveStrokeFile(const char* source, const std::string& shown, int to);
