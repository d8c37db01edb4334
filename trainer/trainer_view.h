// What the trainer's window shows of its state: the slots, the selected slot's fields, examples and findings, and what an action handed back.
#pragma once

#include <windows.h>

#include "settings/settings_keys.h"
#include "trainer/trainer_outcome.h"

// The one refresh after a change: the examples `change` names read again (kChangedNothing reads
// none), the checker's findings read again, and the slots, the selected slot's fields and its
// examples shown.
void refreshTrainer(TrainerChange change);
// What an action ended in: the window refreshed after its change, if any, then its status, if any.
void showOutcome(const TrainerOutcome& outcome);

// What the last Learn found taking the selected slot's examples, the checker's findings on its
// lines, then its example files that cannot be shown and its fragile shapes as last read, in
// the findings pane.
void showSlotFindings();
// Puts `text` in the findings pane.
void showFindings(const char* text);

// A field of `slot` as trazzle reads it, and the edit that shows it for the selected slot.
char* slotField(SlotField field, int slot);
HWND fieldEdit(SlotField field);
