// What the trainer's child controls tell its window (kTrainerNote): the window decides what each note does, so no child calls an action.
#pragma once

#include <windows.h>

#include "trainer/trainer_state.h"

// wParam of kTrainerNote; lParam is the note's argument.
enum TrainerNote : WPARAM {
    kNoteStrokeDrawn,    // the canvas: a stroke ended; lParam its text (const char*), its points in trainer.stroke
    kNoteDeleteExample,  // the examples strip: Delete on its selected example
    kNoteDeleteAll,      // the examples strip: Shift+Delete, or its context menu: every example of the slot
    kNoteMoveExample,    // the examples strip: its selected example dropped on, or sent to, slot lParam
    kNoteAssignHistory,  // the history: its selected stroke given to slot lParam
    kNoteDeleteHistory,  // the history: its selected stroke deleted
    kNoteHotkey,         // the settings row: key lParam pressed in the hotkey field
};

// Sent, not posted: the window runs on the child's thread, so the note is handled at once and
// in the order things happened, before any input or command that follows it, and a text it
// points to is still there.
inline void notifyTrainer(HWND child, TrainerNote note, LPARAM argument = 0) {
    SendMessageA(GetParent(child), kTrainerNote, note, argument);
}
