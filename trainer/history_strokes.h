// The strokes trazzle handled, as the trainer shows them: read newest first, given to a slot as an example, or deleted.
#pragma once

#include "trainer/trainer_outcome.h"

// Reads trazzle-history anew, newest first; the selection kept when its file is still there.
void loadHistory();
// Whether the folder changed since it was last read (trazzle has kept another stroke).
bool historyChanged();

// Gives the history stroke NAME to `slot` as its next example: moved into trazzle-examples/N/
// as Move moves an example. Only a file the history lists is moved.
TrainerOutcome assignHistoryStroke(const char* name, int slot);
// Removes the history stroke NAME; a link is named and left alone.
TrainerOutcome deleteHistoryStroke(const char* name);
