// The trainer's decisions that need no window: its broadcast commands, status texts, marked examples, learning reports.
#pragma once

#include <string>
#include <vector>

#include "engine/gesture_matcher.h"
#include "rc/rc_file.h"
#include "training/example_folders.h"
#include "training/learn_plan.h"

enum TrainerAction {
    kTrainerIgnored,
    kTrainerShow,
    kTrainerHide,
    kTrainerSelect,
    kTrainerRecordOn,
    kTrainerRecordOff,
    kTrainerLearn,
    kTrainerApply,
    kTrainerSuggest,
};

struct TrainerCommand {
    TrainerAction action;
    int slot;  // for kTrainerSelect: 0 to 24
};

constexpr char kTrainerPrefix[] = "@trazzleTrainer";

// "@trazzleTrainer Select 3" and the like, as trazzle reads its own commands: the prefix and
// the words in any letter case, blanks between the prefix and the command skipped. Select
// takes one blank and a slot number of 0 to 24 written in digits; anything else is ignored.
TrainerCommand decideTrainerBroadcast(const char* text);

constexpr int kTrainerStatusSize = 256;  // a 99-character text and a 99-character file fit

// What trazzle would do with `text`, without doing it: "Trainer -> |br| slot 3: edit.exe" or
// "Trainer -> |br| nothing".
void canvasStatus(const GestureTable& table, const char* text, char (&status)[kTrainerStatusSize]);

// Whether the configuration gets an example of `slot` wrong or misses it: the slot trazzle
// chooses for its text does not start what `slot` starts.
bool exampleMarked(const GestureTable& table, int slot, const std::string& text);

// How `table` does on the drawn examples as they stand: right, wrong or nothing for each.
Tally currentTally(const GestureTable& table, const std::vector<LearnExample>& examples);

// The number of slots whose lines `changes` touch.
int changedSlotCount(const std::vector<RcChange>& changes);

// What an Apply of `changedSlots` slots into the rc file at `rcPath` ended in:
// "Trainer -> applied: 2 slots changed", "Trainer -> trazzle.rc changed since Learn: Learn
// again" (the file's own name), or "Trainer -> cannot write PATH: REASON".
void applyStatus(const RcWriteResult& result, const char* rcPath, int changedSlots, char (&status)[kTrainerStatusSize]);
// A field's write: "Trainer -> slot 2 gesture: tr", or "Trainer -> cannot write PATH: REASON".
void fieldStatus(const RcWriteResult& result, const char* rcPath, int slot, const char* field, const char* value,
                 char (&status)[kTrainerStatusSize]);

// What Suggest offers, in a status: "Trainer -> 12 texts no slot uses: |tl| |bl| ...", as many
// whole texts as fit.
void suggestStatus(const std::vector<std::string>& texts, char (&status)[kTrainerStatusSize]);

// "0/stroke-002.txt": how statuses name an example file of `slot` (a full path).
std::string exampleName(int slot, const std::string& file);
// When some of a slot's example files cannot be shown: "Trainer -> slot 0: cannot show
// 0/stroke-002.txt (see Findings)", or "... 0/stroke-002.txt and 2 more (see Findings)".
bool unreadableStatus(int slot, const std::vector<UnreadableExample>& unreadable, char (&status)[kTrainerStatusSize]);

// What Learn found, for the trainer's findings pane: each learned slot's text now and
// proposed, the estimate for both, and the examples the proposal still gets wrong or misses.
std::string learnReport(const LearnOutcome& outcome, const GestureTable& table);
