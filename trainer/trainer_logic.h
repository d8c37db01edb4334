// The trainer's decisions that need no window: status texts, marked examples, slot rows, learning reports.
#pragma once

#include <string>
#include <vector>

#include "engine/gesture_matcher.h"
#include "rc/rc_file.h"
#include "training/example_folders.h"
#include "training/learn_plan.h"
#include "training/stroke_file.h"
#include "training/shape_clash.h"
#include "trainer/trainer_commands.h"

// What trazzle would do with `text`, without doing it: "Trainer -> |br| slot 3: edit.exe" or
// "Trainer -> |br| nothing".
// Why `text` launches no slot: the longest slot text it holds is too short a part of it (the
// matcher wants three tenths of its length), or it holds none. "" is never returned.
std::string whyNothing(const GestureTable& table, const char* text);

void canvasStatus(const GestureTable& table, const char* text, char (&status)[kTrainerStatusSize]);

// A stroke recorded for `slot` as the example `file` ("trazzle-examples/4/stroke-001.txt"):
// "Trainer -> recorded FILE", and when trazzle would launch another slot for its `text`, that
// slot too: "Trainer -> recorded FILE; |br| launches slot 0 cmd.exe".
void recordStatus(const GestureTable& table, int slot, const char* file, const char* text,
                  char (&status)[kTrainerStatusSize]);

// The clash lines of every pair of slots `slot` is in, from every slot's examples `files`,
// each suggesting another shape for the slot of the two whose examples were written last.
std::vector<std::string> clashFindings(const std::vector<Example>& files, int slot);

// An example selected in the strip, named `name` ("0/stroke-002.txt"), and what trazzle would
// launch for its text: "Trainer -> 0/stroke-002.txt |br| launches slot 0 cmd.exe" or
// "Trainer -> 0/stroke-002.txt |tr| launches nothing".
void exampleStatus(const GestureTable& table, const std::string& name, const std::string& text,
                   char (&status)[kTrainerStatusSize]);

// A history stroke selected, named `name`, what trazzle launched for it then and what today's
// texts launch: "Trainer -> history stroke-00000012.txt launched slot 0 C:\edit.exe; now |br|
// launches slot 0 edit.exe; if that was the wrong program, give it to its slot".
void historyStatus(const GestureTable& table, const std::string& name, const std::string& text, const StrokeLaunch& launch,
                   char (&status)[kTrainerStatusSize]);

// A stroke drawn with the hotkey that trazzle has just kept, as the trainer's status line says it
// while the launched program's window may cover the host's label: "Trainer -> your stroke |tr|
// launched nothing: it holds slot 0's |br|, but ...; give it to its slot in History".
void newStrokeStatus(const GestureTable& table, const std::string& text, const StrokeLaunch& launch,
                     char (&status)[kTrainerStatusSize]);

// What a marked example's thumbnail says it launches: "slot 0" or "nothing".
std::string launchCaption(const GestureTable& table, const std::string& text);

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

// A setting written through the host that does not read back so: "Trainer -> hotkey not stored:
// trazzle.rc: the file is read-only", the reason as the rc writer finds the file (`why`), or,
// when it finds nothing against a write, "... the host left trazzle.rc as it was".
void notStoredStatus(const char* what, const RcWriteResult& why, const char* rcPath, char (&status)[kTrainerStatusSize]);

// Clear's write: "Trainer -> slot 4 cleared", or "Trainer -> cannot write PATH: REASON".
void clearStatus(const RcWriteResult& result, const char* rcPath, int slot, char (&status)[kTrainerStatusSize]);
// What Suggest offers, in a status: "Trainer -> 12 texts no slot uses: |tl| |bl| ...", as many
// whole texts as fit.
void suggestStatus(const std::vector<std::string>& texts, char (&status)[kTrainerStatusSize]);

// "0/stroke-002.txt": how statuses name an example file of `slot` (a full path).
std::string exampleName(int slot, const std::string& file);
// When some of a slot's example files cannot be shown: "Trainer -> slot 0: cannot show
// 0/stroke-002.txt (see Findings)", or "... 0/stroke-002.txt and 2 more (see Findings)".
bool unreadableStatus(int slot, const std::vector<UnreadableExample>& unreadable, char (&status)[kTrainerStatusSize]);

// A slot Learn may not change that takes a learned slot's examples, as a status ("Trainer ->
// slot 0 takes 5 examples of slot 4") and in that slot's findings, with the remedy.
std::string takenStatus(const TakenExamples& taken);
std::string takenFinding(const TakenExamples& taken);

// What the last Learn found taken, with the taking slot's text then.
struct TakenNote {
    TakenExamples taken;
    std::string byText;
};
// The findings of `slot` among `notes` that still hold: the taking slot keeps the text it had.
std::vector<std::string> takenFindings(const std::vector<TakenNote>& notes, const GestureTable& table, int slot);

// The slots that launch `slot`'s examples (their texts) under `table` as it stands, before any
// Learn: "slot 0 cmd.exe takes 3 of slot 4's examples as the texts stand". A slot one of
// `notes`' findings still names is left to that finding, which says the remedy too.
std::vector<std::string> takenNowFindings(const std::vector<TakenNote>& notes, const GestureTable& table, int slot,
                                          const std::vector<std::string>& texts);

// Which slots have examples on disk, from the trainer's counts: what tells a variant from a taught slot.
void slotsWithExamples(const int (&exampleCounts)[kGestureSlotCount], bool (&hasExamples)[kGestureSlotCount]);

// What a slot's row in the slot list says besides its number and example count: its text, its
// command's file name or, for a variant, "variant of 3", and for a slot variants serve how
// many ("+2 variants").
struct SlotRowTexts {
    std::string gesture, file, note;
};
SlotRowTexts slotRowTexts(const GestureTable& table, const int (&exampleCounts)[kGestureSlotCount], int slot);

// A rectangle on the screen, right and bottom outside it.
struct ScreenBox {
    int left, top, right, bottom;
};
// Where the trainer's window of `width` by `height` goes when no place is stored: below the
// host's window at its left edge, so the host's status label stays in view, or above it when
// there is no room below within the work area; kept inside the work area. Where that would cover
// trazzle's tool square `square`, beside it, else below or above it, if the window fits there
// without covering the host's window; on a screen too small for any of these, where it was.
void defaultTrainerPlace(ScreenBox host, ScreenBox square, ScreenBox work, int width, int height, int& x, int& y);

// What Learn found, for the trainer's findings pane: each learned slot's text now and
// proposed, the slots Learn may not change that take its examples, the pairs of slots whose
// shapes share texts (clashLine), the estimate for both, and
// the examples the proposal still gets wrong or misses, in trazzle-check --learn's words.
std::string learnReport(const LearnOutcome& outcome, const GestureTable& table);
