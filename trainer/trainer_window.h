// The trainer's top-level window: its layout and messages, and the actions its controls and broadcasts share.
#pragma once

#include <windows.h>

#include "host/settings_keys.h"

// Registers the classes and makes the window, shown without taking the focus; false when
// a class or the window cannot be made.
bool createTrainerWindow();
void destroyTrainerWindow();

// Actions, from the controls and from broadcasts alike.
void showTrainer(bool show);
void selectSlot(int slot);
void setRecording(bool on);
void commitField(SlotField field);
void browseCommand();
void handleTrainerBroadcast(const char* text);

// Reads the checker's findings again and shows the slots, the selected slot's fields and examples.
void refreshTrainer();
// Puts `text` in the findings pane.
void showFindings(const char* text);
