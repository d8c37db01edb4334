// Example strokes of slots in DIR/N/ folders, and one learning run over them with an rc file's slots.
#pragma once

#include <string>
#include <vector>

#include "rc/rc_file.h"
#include "training/checker.h"
#include "training/learn_plan.h"
#include "training/learner.h"

// One example stroke of a slot, as --learn reads it.
struct Example {
    int slot;
    std::string file;
    std::string text;                   // the finished gesture text the plugin would see
    std::vector<std::string> variants;  // the texts of the stroke a little larger, smaller, turned
};

// Reads every stroke file of DIR/N/ (N a slot, 0 to 24), in slot order and file name order
// within a slot; false, with the reason in `problem`, when DIR, a slot folder or a file in one
// cannot be read. Folders it skips (DIR/25, DIR/01, DIR/abc, DIR/3/old) are each named in
// `warnings`; files directly in DIR are no examples. Names in both are quoted for a terminal.
bool readExampleFolders(const char* dir, std::vector<Example>& examples, std::vector<std::string>& warnings,
                        std::string& problem);

// Everything one learning run over DIR/N/* finds.
struct LearnOutcome {
    std::vector<std::string> warnings;  // folders skipped while reading
    std::vector<Example> files;
    std::vector<LearnExample> examples;  // the same with their variants, as the learner takes them
    LearnSetup setup;
    SlotTexts learned;
    Estimate estimate;
};
// Reads the examples and learns, with `rc`'s slots when not null; false, with the reason in
// `problem`, when an example cannot be read or there are none.
bool learnFromFolders(const char* dir, const RcFile* rc, LearnOutcome& outcome, std::string& problem);
// The drawn strokes the learned texts still get wrong or miss, by index into `files`.
std::vector<size_t> failingExamples(const LearnOutcome& outcome);
// Writes `changes` into the rc file at `path` in one replace; false, with the reason in
// `result`, when it cannot. With `readAt` (the slots as the changes were decided on), the file
// is read again under the writers' lock first and nothing is written (kRcChanged) when any slot
// no longer reads as it does there: a person's edit made since is never written over.
bool writeRcChanges(const char* path, const std::vector<RcChange>& changes, const GestureTable* readAt,
                    RcWriteResult& result);

