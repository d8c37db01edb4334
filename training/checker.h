// The checker: the rc file as the plugin sees it, and what is wrong with its settings and slots, in trazzle-check's words.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/gesture_matcher.h"
#include "settings/settings_keys.h"
#include "settings/plugin_settings.h"
#include "training/tool_text.h"

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
    int freeSlots = kDefaultTrainerFreeSlots;  // the slots the trainer's Apply keeps free of variants
};

// Reads the file once, splits its lines and runs the plugin's loader on its text.
FileRead loadRcFile(const char* path, RcFile& rc, std::string& problem);
// The 25 slots of an rc file's text, exactly as the plugin reads them.
void readSlotsOfText(const char* text, size_t size, GestureTable& table);
bool sameSlots(const GestureTable& a, const GestureTable& b);
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

// The findings about each slot (those on its gesture, command or argument lines), each as
// trazzle-check prints it.
void findingsBySlot(const RcFile& rc, std::vector<std::string> (&findings)[kGestureSlotCount]);
// One finding as trazzle-check prints it: "FILE:LINE: warning: text".
std::string formatDiagnostic(const char* path, const Diagnostic& d);

// slotKey's key as a string: "trazzle.plugin.gesture7:".
std::string slotKeyOf(SlotField field, int slot);

// Shared by the near-miss table and the learner: the command file name of a slot.
std::string slotFileName(const GestureTable& table, int slot);
