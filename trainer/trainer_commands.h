// The trainer's broadcast commands read into decisions.
#pragma once

#include <string>

#include "engine/gesture_matcher.h"
#include "settings/hotkey_rule.h"

enum TrainerAction {
    kTrainerIgnored,
    kTrainerRefused,  // a command of the trainer's with arguments it cannot take: `why` says so
    kTrainerShow,
    kTrainerHide,
    kTrainerSelect,
    kTrainerRecordOn,
    kTrainerRecordOff,
    kTrainerLearn,
    kTrainerApply,
    kTrainerClear,
    kTrainerMove,
    kTrainerHotkey,
    kTrainerPadShow,
    kTrainerPadTips,
    kTrainerToolSquare,
    kTrainerSuggest,
    kTrainerHistoryAssign,
    kTrainerHistoryDelete,
    kTrainerDeleteAll,
    kTrainerFreeSlots,
};

constexpr int kTrainerStatusSize = 320;  // two 99-character texts and an example's name fit
constexpr int kExampleFileNameSize = 64;

struct TrainerCommand {
    TrainerAction action;
    int slot;    // Select, Clear, DeleteAll, and the slot Move takes the example from: 0 to 24
    int target;  // Move, History Assign: the slot it goes to
    int code;    // Hotkey: a virtual-key code from 1 to 254; FreeSlots: 0 to 25
    bool on;     // PadShow, PadTips, ToolSquare
    char file[kExampleFileNameSize];  // Move: a file name in the slot's folder; History: in trazzle-history; no path
    char why[kTrainerStatusSize];     // kTrainerRefused: the status saying why
};

constexpr char kTrainerPrefix[] = "@trazzleTrainer";

// "@trazzleTrainer Select 3" and the like, as trazzle reads its own commands: the prefix and
// the words in any letter case, blanks between the prefix and the command skipped. A command
// takes its arguments after one blank each, numbers written in digits: Select N, Clear N
// (0 to 24), DeleteAll N (every example of the slot, unasked), Move N/FILE M, History Assign
// FILE N, History Delete FILE, Hotkey CODE (1 to 254), PadShow, PadTips and ToolSquare On or Off.
// A command of these with other arguments is refused, saying why; any other text is ignored.
TrainerCommand decideTrainerBroadcast(const char* text);
