// What the trainer does, for its window's controls, its children's notes and its broadcasts alike; each action shows its outcome through the view.
#pragma once

#include <vector>

#include "engine/stroke_tokenizer.h"
#include "settings/settings_keys.h"

// The Record button's caption while recording is off.
constexpr char kRecordCaption[] = "Record";

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
// Every example of `slot` deleted at once: unasked (a broadcast), or asked once for the
// selected slot (the strip's Shift+Delete and context menu).
void deleteAllExamples(int slot);
void askDeleteAllExamples();
// Learn, its end (kLearnDone), with the report in the findings pane and an Apply asked for
// meanwhile done then, and Apply.
void startLearning();
void finishLearning();
void applyLearned();
// Mending: a slot and its variants cleared in the rc file (the selected one from the button),
// an example moved to another slot (the one selected in the strip, or one named by a broadcast).
void clearSlot(int slot);
void moveExampleTo(int from, const char* fileName, int to);
void moveSelectedExampleTo(int to);
// A stroke of trazzle's history given to a slot as its example, or deleted.
void assignHistory(const char* name, int slot);
void deleteHistory(const char* name);
// trazzle's settings, each written and taken into effect at once.
enum TrainerSwitch { kSwitchPadShow, kSwitchPadTips, kSwitchToolSquare };
void setHotkey(int code);
void setSwitch(TrainerSwitch which, bool on);
// How many open slots Learn keeps free for new gestures; the others may take variants.
void setFreeSlots(int count);
