// The trainer's broadcast commands read into decisions.
#include "trainer/trainer_commands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "rc/letter_case.h"
#include "settings/broadcast_decision.h"
#include "settings/hotkey_rule.h"
#include "settings/plugin_settings.h"
#include "training/example_names.h"
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
           name.find_first_of("/\\") == std::string::npos;
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
    std::string changed = nameWindowsChanges(file.c_str());
    if (!changed.empty()) {
        // Windows would move another file than the one named, or open a device.
        TrainerCommand c = command(kTrainerRefused);
        std::snprintf(c.why, sizeof c.why, "Trainer -> %d/%s is not moved: %s", from, file.c_str(), changed.c_str());
        return c;
    }
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
    const char* word = broadcastWord(text, kTrainerPrefix);
    if (!word) return command(kTrainerIgnored);
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
    if (isCommand(word, "DeleteAll", argument)) {
        int slot = numberIn(argument, 2, 0, kGestureSlotCount - 1);
        return slot >= 0 ? command(kTrainerDeleteAll, slot) : refused("DeleteAll needs a slot from 0 to 24", argument);
    }
    if (isCommand(word, "Move", argument)) return decideMove(argument);
    if (isCommand(word, "History", argument)) return decideHistory(argument);
    if (isCommand(word, "Hotkey", argument)) {
        TrainerCommand c = command(kTrainerHotkey);
        c.code = numberIn(argument, 3, kLowestKeyCode, kHighestKeyCode);
        std::string why = "Hotkey needs a key code from " + std::to_string(kLowestKeyCode) + " to " +
                          std::to_string(kHighestKeyCode);
        return c.code > 0 ? c : refused(why.c_str(), argument);
    }
    if (isCommand(word, "FreeSlots", argument)) {
        TrainerCommand c = command(kTrainerFreeSlots);
        c.code = numberIn(argument, 2, 0, kMaxTrainerFreeSlots);
        std::string why = "FreeSlots needs a number of slots from 0 to " + std::to_string(kMaxTrainerFreeSlots);
        return c.code >= 0 ? c : refused(why.c_str(), argument);
    }
    if (isCommand(word, "PadShow", argument)) return decideSwitch(kTrainerPadShow, "PadShow", argument);
    if (isCommand(word, "PadTips", argument)) return decideSwitch(kTrainerPadTips, "PadTips", argument);
    if (isCommand(word, "ToolSquare", argument)) return decideSwitch(kTrainerToolSquare, "ToolSquare", argument);
    return command(kTrainerIgnored);
}
