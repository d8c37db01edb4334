// trazzle-check's parts: the rc file as the plugin sees it, diagnostics, slot analysis, sheets, learning.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/gesture_matcher.h"
#include "tools/common/tool_text.h"
#include "training/learn_plan.h"
#include "training/learner.h"

enum Severity { kNote, kWarning, kError };

struct Diagnostic {
    int line;  // 0 when the finding belongs to no line
    Severity severity;
    std::string text;
};

// One setting line of the rc file, split the way the host splits it.
struct RcLine {
    int number;
    std::string key;    // from the first non-blank up to the first ':' (included), as written
    std::string value;  // the rest of the line without surrounding blanks
};

// A key the plugin reads, recorded while the plugin's own loader runs.
struct KeyRead {
    std::string key;
    char type;  // 'i' ReadInt, 'b' ReadBool, 's' ReadString
    int32_t intDefault;
    bool boolDefault;
};

struct RcFile {
    const char* path;
    std::string text;  // the whole file, read once
    std::vector<RcLine> lines;
    std::map<std::string, size_t> firstLines;  // lowered key -> index in `lines` of its first line
    std::vector<KeyRead> keys;  // in the order the plugin reads them
    GestureTable table;         // the slots exactly as the plugin holds them
};

// Reads the file once, splits its lines and runs the plugin's loader on its text.
FileRead loadRcFile(const char* path, RcFile& rc, std::string& problem);
// The line the host takes a key's value from (the first holding it): null, or its number 0,
// when none holds it.
const RcLine* lineHolding(const RcFile& rc, const std::string& key);
int lineOfKey(const RcFile& rc, const std::string& key);
std::string lowered(const std::string& text);
// printf into a std::string, never cut.
std::string textf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// A text from the file as messages quote it: in double quotes, at most kShownLength bytes,
// control characters and quotes as \xNN.
constexpr size_t kShownLength = 60;
std::string shown(const std::string& text);

void checkSettings(const RcFile& rc, std::vector<Diagnostic>& out);
void checkSlots(const RcFile& rc, std::vector<Diagnostic>& out, std::string* table);

// SVG cheat sheets.
bool writeSlotSheet(const GestureTable& table, const char* path);
bool writeTokenSheet(const char* path);

// One example stroke of a slot, as --learn reads it.
struct Example {
    int slot;
    std::string file;
    std::string text;  // the finished gesture text the plugin would see
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
    std::vector<LearnExample> examples;  // the same, as the learner takes them
    LearnSetup setup;
    SlotTexts learned;
    Estimate estimate;
};
// Reads the examples and learns, with `rc`'s slots when not null; false, with the reason in
// `problem`, when an example cannot be read or there are none.
bool learnFromFolders(const char* dir, const RcFile* rc, LearnOutcome& outcome, std::string& problem);
// The examples the learned texts still get wrong or miss, by index.
std::vector<size_t> failingExamples(const LearnOutcome& outcome);
// Writes `changes` into the rc file at `path` in one replace; false when it cannot.
bool writeRcChanges(const char* path, const std::vector<RcChange>& changes);

// The findings about each slot (those on its gesture, command or argument lines), each as
// trazzle-check prints it.
void findingsBySlot(const RcFile& rc, std::vector<std::string> (&findings)[kGestureSlotCount]);
// One finding as trazzle-check prints it: "FILE:LINE: warning: text".
std::string formatDiagnostic(const char* path, const Diagnostic& d);

// Learns slot texts from DIR/N/* stroke files, with RCFILE's slots when given; prints the slot
// lines, the estimate and the examples that fail, and with `apply` writes the lines to RCFILE.
int runLearn(const char* dir, const char* rcPath, bool apply, FILE* out, FILE* err);

// Shared by the near-miss table and the learner: the command file name of a slot.
std::string slotFileName(const GestureTable& table, int slot);
