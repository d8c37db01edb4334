// The trainer's broadcast commands read into decisions, and the names of hotkey codes.
#include "trainer/trainer_commands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/broadcast_decision.h"
#include "training/stroke_history.h"

namespace {

bool digitsOnly(const char* text) {
    if (!*text) return false;
    for (; *text; ++text)
        if (*text < '0' || *text > '9') return false;
    return true;
}

TrainerCommand command(TrainerAction action, int slot = 0) {
    TrainerCommand c = {};
    c.action = action;
    c.slot = slot;
    return c;
}

// A number of at most `digits` digits and nothing else, within [low, high]; -1 otherwise.
int numberIn(const char* text, size_t digits, int low, int high) {
    if (!digitsOnly(text) || std::strlen(text) > digits) return -1;
    int number = std::atoi(text);
    return number >= low && number <= high ? number : -1;
}

// "Trainer -> WHAT: ARGUMENT", the argument cut so that the status fits.
TrainerCommand refused(const char* what, const char* argument) {
    TrainerCommand c = command(kTrainerRefused);
    std::snprintf(c.why, sizeof c.why, "Trainer -> %s: %.80s", what, argument);
    return c;
}

// `word` is the command `name`, alone or followed by one blank and its argument (in `argument`).
bool isCommand(const char* word, const char* name, const char*& argument) {
    size_t length = std::strlen(name);
    if (std::strlen(word) < length) return false;
    char head[16];
    std::snprintf(head, sizeof head, "%.*s", static_cast<int>(length), word);
    if (!equalsIgnoringCase(head, name) || (word[length] != '\0' && word[length] != ' ')) return false;
    argument = word[length] == ' ' ? word + length + 1 : word + length;
    return true;
}

// A file name of the slot's own folder: no separator, no "." or "..", not too long.
bool plainFileName(const std::string& name) {
    return !name.empty() && name.size() < kExampleFileNameSize && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos;
}

TrainerCommand decideMove(const char* argument) {
    const char* kWhy = "Move needs SLOT/FILE and another slot, slots 0 to 24";
    const char* slash = std::strchr(argument, '/');
    const char* blank = std::strrchr(argument, ' ');
    if (!slash || !blank || blank < slash) return refused(kWhy, argument);
    int from = numberIn(std::string(argument, slash).c_str(), 2, 0, kGestureSlotCount - 1);
    std::string file(slash + 1, blank);
    int to = numberIn(blank + 1, 2, 0, kGestureSlotCount - 1);
    if (from < 0 || to < 0 || !plainFileName(file)) return refused(kWhy, argument);
    if (from == to) {
        TrainerCommand c = command(kTrainerRefused);
        std::snprintf(c.why, sizeof c.why, "Trainer -> %d/%s is in slot %d already", from, file.c_str(), to);
        return c;
    }
    TrainerCommand c = command(kTrainerMove, from);
    c.target = to;
    std::snprintf(c.file, sizeof c.file, "%s", file.c_str());
    return c;
}

// "Assign stroke-00000012.txt 4" or "Delete stroke-00000012.txt": a name as trazzle gives its history files.
TrainerCommand decideHistory(const char* argument) {
    const char* kWhy = "History needs Assign FILE SLOT (slots 0 to 24) or Delete FILE, FILE a name in trazzle-history";
    const char* rest = nullptr;
    bool assign = isCommand(argument, "Assign", rest);
    if (!assign && !isCommand(argument, "Delete", rest)) return refused(kWhy, argument);
    const char* blank = assign ? std::strrchr(rest, ' ') : nullptr;
    std::string file = assign ? std::string(rest, blank ? blank : rest) : std::string(rest);
    int to = assign && blank ? numberIn(blank + 1, 2, 0, kGestureSlotCount - 1) : 0;
    if (!plainFileName(file) || historyNumber(file) < 0 || to < 0) return refused(kWhy, argument);
    TrainerCommand c = command(assign ? kTrainerHistoryAssign : kTrainerHistoryDelete);
    c.target = to;
    std::snprintf(c.file, sizeof c.file, "%s", file.c_str());
    return c;
}

TrainerCommand decideSwitch(TrainerAction action, const char* name, const char* argument) {
    TrainerCommand c = command(action);
    if (equalsIgnoringCase(argument, "On")) c.on = true;
    else if (!equalsIgnoringCase(argument, "Off")) return refused((std::string(name) + " needs On or Off").c_str(), argument);
    return c;
}

}  // namespace

TrainerCommand decideTrainerBroadcast(const char* text) {
    constexpr size_t kPrefixLength = sizeof kTrainerPrefix - 1;
    if (!text || std::strlen(text) < kPrefixLength) return command(kTrainerIgnored);
    char prefix[sizeof kTrainerPrefix];
    std::memcpy(prefix, text, kPrefixLength);
    prefix[kPrefixLength] = '\0';
    if (!equalsIgnoringCase(prefix, kTrainerPrefix)) return command(kTrainerIgnored);
    const char* word = text + kPrefixLength;
    while (*word == ' ') ++word;
    if (equalsIgnoringCase(word, "Show")) return command(kTrainerShow);
    if (equalsIgnoringCase(word, "Hide")) return command(kTrainerHide);
    if (equalsIgnoringCase(word, "Record On")) return command(kTrainerRecordOn);
    if (equalsIgnoringCase(word, "Record Off")) return command(kTrainerRecordOff);
    if (equalsIgnoringCase(word, "Learn")) return command(kTrainerLearn);
    if (equalsIgnoringCase(word, "Apply")) return command(kTrainerApply);
    if (equalsIgnoringCase(word, "Suggest")) return command(kTrainerSuggest);
    const char* argument = nullptr;
    if (isCommand(word, "Select", argument)) {
        int slot = numberIn(argument, 2, 0, kGestureSlotCount - 1);
        return slot >= 0 ? command(kTrainerSelect, slot) : command(kTrainerIgnored);
    }
    if (isCommand(word, "Clear", argument)) {
        int slot = numberIn(argument, 2, 0, kGestureSlotCount - 1);
        return slot >= 0 ? command(kTrainerClear, slot) : refused("Clear needs a slot from 0 to 24", argument);
    }
    if (isCommand(word, "Move", argument)) return decideMove(argument);
    if (isCommand(word, "History", argument)) return decideHistory(argument);
    if (isCommand(word, "Hotkey", argument)) {
        TrainerCommand c = command(kTrainerHotkey);
        c.code = numberIn(argument, 3, 1, 254);
        return c.code > 0 ? c : refused("Hotkey needs a key code from 1 to 254", argument);
    }
    if (isCommand(word, "PadShow", argument)) return decideSwitch(kTrainerPadShow, "PadShow", argument);
    if (isCommand(word, "PadTips", argument)) return decideSwitch(kTrainerPadTips, "PadTips", argument);
    if (isCommand(word, "ToolSquare", argument)) return decideSwitch(kTrainerToolSquare, "ToolSquare", argument);
    return command(kTrainerIgnored);
}

std::string hotkeyName(int code) {
    static const struct {
        int code;
        const char* name;
    } kNames[] = {{1, "Left mouse button"}, {2, "Right mouse button"}, {3, "Cancel"}, {4, "Middle mouse button"},
                  {5, "X1 mouse button"}, {6, "X2 mouse button"}, {8, "Backspace"}, {9, "Tab"}, {12, "Clear"},
                  {13, "Enter"}, {16, "Shift"}, {17, "Ctrl"}, {18, "Alt"}, {19, "Pause"}, {20, "Caps Lock"},
                  {27, "Esc"}, {32, "Space"}, {33, "Page Up"}, {34, "Page Down"}, {35, "End"}, {36, "Home"},
                  {37, "Left"}, {38, "Up"}, {39, "Right"}, {40, "Down"}, {44, "Print Screen"}, {45, "Insert"},
                  {46, "Delete"}, {91, "Left Windows"}, {92, "Right Windows"}, {93, "Menu"}, {106, "Num *"},
                  {107, "Num +"}, {109, "Num -"}, {110, "Num ."}, {111, "Num /"}, {144, "Num Lock"},
                  {145, "Scroll Lock"}, {160, "Left Shift"}, {161, "Right Shift"}, {162, "Left Ctrl"},
                  {163, "Right Ctrl"}, {164, "Left Alt"}, {165, "Right Alt"}};
    std::string name = "Key";
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) name = std::string(1, static_cast<char>(code));
    else if (code >= 96 && code <= 105) name = "Num " + std::to_string(code - 96);
    else if (code >= 112 && code <= 135) name = "F" + std::to_string(code - 111);
    for (const auto& known : kNames)
        if (known.code == code) name = known.name;
    return name + " (" + std::to_string(code) + ")";
}
