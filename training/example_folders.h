// Example strokes of slots in DIR/N/ folders, and one learning run over them with an rc file's slots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/stroke_tokenizer.h"
#include "rc/rc_file.h"
#include "training/checker.h"
#include "training/learn_cancel.h"
#include "training/learn_plan.h"
#include "training/learner.h"

// One example stroke of a slot, as --learn reads it.
struct Example {
    int slot;
    std::string file;
    std::string text;                   // the finished gesture text the plugin would see
    std::vector<std::string> variants;  // the texts of the stroke a little larger, smaller, turned
    bool fromUse = false;               // a stroke of trazzle's history, counted for the slot it launched
};

// A stroke of 20,000 points, far more than a hand draws, takes about 250 KB; a larger file is
// no example and would only make reading it slow.
constexpr uintmax_t kMaxExampleFileSize = 1024 * 1024;

// An example file, or a slot folder, that cannot be read, and why.
struct UnreadableExample {
    int slot;
    std::string file;     // full path
    std::string problem;  // in trazzle-check's words, the name quoted for a terminal
};

// The files of DIR/SLOT in name order, without reading them: what may be examples into
// `files`; a file that is not a regular one, one whose name Windows would change
// (nameWindowsChanges), or a folder that cannot be listed, into `unreadable`; a folder inside
// it, and a temporary a write that did not finish left (isStrokeTempName), into `warnings`.
// No such folder: nothing.
void listSlotFolder(const char* dir, int slot, std::vector<std::string>& files,
                    std::vector<UnreadableExample>& unreadable, std::vector<std::string>& warnings);

// Why nothing may be written or deleted in DIR/SLOT: "slot 3's folder is a link", or
// "trazzle-examples is a link" when DIR itself is one (by its own name); empty when neither
// is. A link there is still read; it only keeps what lies outside DIR from being changed.
std::string slotFolderLink(const char* dir, int slot);

// Reads one example file's points; false, with the reason in `problem`, when it cannot be read,
// is no stroke file, or is larger than kMaxExampleFileSize (then it is not opened at all).
bool readExampleFile(const std::string& file, std::vector<ScreenPoint>& points, std::string& problem);

// Reads every stroke file of DIR/N/ (N a slot, 0 to 24), in slot order and file name order
// within a slot. A file or slot folder that cannot be read is put in `unreadable`, in the same
// order, and every other example is still read. False, with the reason in `problem`, only when
// DIR cannot be read or `cancel` was set. Folders it skips (DIR/25, DIR/01, DIR/abc, DIR/3/old)
// are each named in `warnings`; files directly in DIR are no examples. Names in all of them are
// quoted for a terminal.
bool readExampleFolders(const char* dir, std::vector<Example>& examples, std::vector<UnreadableExample>& unreadable,
                        std::vector<std::string>& warnings, std::string& problem,
                        const LearnCancel* cancel = nullptr);

// Everything one learning run over DIR/N/* finds.
struct LearnOutcome {
    std::vector<std::string> warnings;  // folders skipped while reading
    std::vector<Example> files;
    std::vector<LearnExample> examples;  // the same with their variants, as the learner takes them
    LearnSetup setup;
    SlotTexts learned;
    Estimate estimate;
    int fromUse = 0;  // examples that came from trazzle's history
};
// Reads the examples and learns, with `rc`'s slots when not null; false, with the reason in
// `problem`, when an example cannot be read (the first, in reading order), there are none, or
// `cancel` was set meanwhile ("learning cancelled"). With `historyDir`, each stroke kept there
// that launched a slot counts as an example of that slot when the slot has a folder in DIR, or
// else of the lowest slot with one that starts the same command: a stroke neither given to
// another slot nor deleted was what its person meant. A history file that cannot be read, or
// launched nothing, is no example.
bool learnFromFolders(const char* dir, const RcFile* rc, LearnOutcome& outcome, std::string& problem,
                      const LearnCancel* cancel = nullptr, const char* historyDir = nullptr, bool estimate = true);
// Of two slots, the one whose newest example file was written last (`b` on a tie): the shape
// a person added last, the one to draw again when the two clash.
int newerSlot(const std::vector<Example>& files, int a, int b);

// The drawn strokes the learned texts still get wrong or miss, by index into `files`.
std::vector<size_t> failingExamples(const LearnOutcome& outcome);
// Writes `changes` into the rc file at `path` in one replace; false, with the reason in
// `result`, when it cannot. With `readAt` (the slots as the changes were decided on), the file
// is read again under the writers' lock first and nothing is written (kRcChanged) when any slot
// no longer reads as it does there: a person's edit made since is never written over. A key
// no line holds goes beside its slot's lines (placeSlotKey).
bool writeRcChanges(const char* path, const std::vector<RcChange>& changes, const GestureTable* readAt,
                    RcWriteResult& result);

