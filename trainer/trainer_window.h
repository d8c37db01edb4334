// The trainer's top-level window: its layout and messages, and the actions its controls and broadcasts share.
#pragma once

#include <windows.h>

#include <vector>

#include "engine/stroke_tokenizer.h"
#include "settings/settings_keys.h"

// Registers the classes and makes the window, shown without taking the focus; false when
// a class or the window cannot be made.
bool createTrainerWindow();
void destroyTrainerWindow();

// The Record button's caption while recording is off.
constexpr char kRecordCaption[] = "Record";

// Actions, from the controls and from broadcasts alike.
void showTrainer(bool show);
void selectSlot(int slot);
void setRecording(bool on);
void commitField(SlotField field);
// Writes `text` as the selected slot's gesture, as if typed into its field.
void giveGesture(const char* text);
void browseCommand();
void handleTrainerBroadcast(const char* text);
// Keeps a stroke drawn on the canvas, whose gesture text is `text`, as the selected slot's next
// example, and shows it.
void recordStroke(const std::vector<ScreenPoint>& points, const char* text);
void deleteSelectedExample();
// Learn, its end (kLearnDone), with the report in the findings pane and an Apply asked for
// meanwhile done then, and Apply.
void startLearning();
void finishLearning();
void applyLearned();
// Mending: a slot and its variants cleared in the rc file (the selected one from the button),
// an example moved to another slot.
void clearSlot(int slot);
void moveExampleTo(int from, const char* fileName, int to);
// A stroke of trazzle's history given to a slot as its example, or deleted.
void assignHistory(const char* name, int slot);
void deleteHistory(const char* name);
// trazzle's settings, each written and taken into effect at once.
enum TrainerSwitch { kSwitchPadShow, kSwitchPadTips, kSwitchToolSquare };
void setHotkey(int code);
void setSwitch(TrainerSwitch which, bool on);
