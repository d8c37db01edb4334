// The trainer's decisions that need no window: its broadcast commands, status texts, marked examples, learning reports.
#include "trainer/trainer_logic.h"

#include "host/settings_loader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include "engine/command_launcher.h"
#include "host/broadcast_decision.h"
#include "training/learn_failures.h"

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

TrainerCommand decideSwitch(TrainerAction action, const char* name, const char* argument) {
    TrainerCommand c = command(action);
    if (equalsIgnoringCase(argument, "On")) c.on = true;
    else if (!equalsIgnoringCase(argument, "Off")) return refused((std::string(name) + " needs On or Off").c_str(), argument);
    return c;
}

std::string tallyText(const Tally& tally) {
    return textf("%d right, %d wrong, %d nothing", tally.right, tally.wrong, tally.nothing);
}

// The file name of a slot's command, as trazzle's launch status gives it.
std::string commandFile(const GestureTable& table, int slot) {
    char directory[kLaunchTextSize], file[kLaunchTextSize];
    splitCommand(table.commands[slot], directory, file);
    return file;
}

// The lowest slot that starts what `slot` starts: `slot` itself at the latest.
int firstLaunchingAs(const GestureTable& table, int slot) {
    int first = 0;
    while (first < slot && !launchesAs(table, first, slot)) ++first;
    return first;
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

void canvasStatus(const GestureTable& table, const char* text, char (&status)[kTrainerStatusSize]) {
    int slot = findBestSlot(table, text);
    if (slot == kNoSlot) {
        std::snprintf(status, sizeof status, "Trainer -> |%s| nothing", text);
        return;
    }
    std::snprintf(status, sizeof status, "Trainer -> |%s| slot %d: %s", text, slot, commandFile(table, slot).c_str());
}

void recordStatus(const GestureTable& table, int slot, const char* file, const char* text,
                  char (&status)[kTrainerStatusSize]) {
    int chosen = findBestSlot(table, text);
    if (chosen == kNoSlot || launchesAs(table, chosen, slot))
        std::snprintf(status, sizeof status, "Trainer -> recorded %s", file);
    else
        std::snprintf(status, sizeof status, "Trainer -> recorded %s; |%s| launches slot %d %s", file, text, chosen,
                      commandFile(table, chosen).c_str());
}

std::string launchCaption(const GestureTable& table, const std::string& text) {
    int chosen = findBestSlot(table, text.c_str());
    return chosen == kNoSlot ? "nothing" : textf("slot %d", chosen);
}

bool exampleMarked(const GestureTable& table, int slot, const std::string& text) {
    return !launchesAs(table, findBestSlot(table, text.c_str()), slot);
}

Tally currentTally(const GestureTable& table, const std::vector<LearnExample>& examples) {
    // The learner counts a launch as right when the chosen slot's owner is the example's slot.
    // Slots that start the same command are one owner here, the lowest of them, for the texts
    // and the examples alike, so that right means what trazzle would start.
    SlotTexts config;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        config.texts[slot] = table.gestures[slot];
        config.owners[slot] = firstLaunchingAs(table, slot);
    }
    std::vector<LearnExample> judged = examples;
    for (LearnExample& example : judged) example.slot = firstLaunchingAs(table, example.slot);
    return judgeSlotTexts(config, judged);
}

int changedSlotCount(const std::vector<RcChange>& changes) {
    std::set<int> slots;
    for (const RcChange& change : changes) {
        SlotField field;
        long slot;
        if (parseSlotKey(change.key.c_str(), field, slot)) slots.insert(static_cast<int>(slot));
    }
    return static_cast<int>(slots.size());
}

void applyStatus(const RcWriteResult& result, const char* rcPath, int changedSlots, char (&status)[kTrainerStatusSize]) {
    const char* name = rcPath;
    for (const char* p = rcPath; *p; ++p)
        if (*p == '\\' || *p == '/') name = p + 1;
    if (result.status == kRcWritten)
        std::snprintf(status, sizeof status, "Trainer -> applied: %d slots changed", changedSlots);
    else if (result.status == kRcChanged)
        std::snprintf(status, sizeof status, "Trainer -> %s changed since Learn: Learn again", name);
    else
        std::snprintf(status, sizeof status, "Trainer -> cannot write %s: %s", rcPath, result.reason);
}

void fieldStatus(const RcWriteResult& result, const char* rcPath, int slot, const char* field, const char* value,
                 char (&status)[kTrainerStatusSize]) {
    if (result.status == kRcWritten)
        std::snprintf(status, sizeof status, "Trainer -> slot %d %s: %s", slot, field, value);
    else
        std::snprintf(status, sizeof status, "Trainer -> cannot write %s: %s", rcPath, result.reason);
}

void clearStatus(const RcWriteResult& result, const char* rcPath, int slot, char (&status)[kTrainerStatusSize]) {
    if (result.status == kRcWritten) std::snprintf(status, sizeof status, "Trainer -> slot %d cleared", slot);
    else std::snprintf(status, sizeof status, "Trainer -> cannot write %s: %s", rcPath, result.reason);
}

void suggestStatus(const std::vector<std::string>& texts, char (&status)[kTrainerStatusSize]) {
    if (texts.empty()) {
        std::snprintf(status, sizeof status, "Trainer -> every short text holds or is held in a slot's text");
        return;
    }
    std::string line =
        textf("Trainer -> %d %s no slot uses:", static_cast<int>(texts.size()), texts.size() == 1 ? "text" : "texts");
    for (const std::string& text : texts) {
        if (line.size() + text.size() + 3 >= sizeof status) break;
        line += " |" + text + "|";
    }
    std::snprintf(status, sizeof status, "%s", line.c_str());
}

std::string exampleName(int slot, const std::string& file) {
    size_t slash = file.find_last_of("/\\");
    return std::to_string(slot) + "/" + file.substr(slash == std::string::npos ? 0 : slash + 1);
}

bool unreadableStatus(int slot, const std::vector<UnreadableExample>& unreadable, char (&status)[kTrainerStatusSize]) {
    if (unreadable.empty()) return false;
    std::string more = unreadable.size() > 1 ? textf(" and %d more", static_cast<int>(unreadable.size() - 1)) : "";
    std::snprintf(status, sizeof status, "Trainer -> slot %d: cannot show %s%s (see Findings)", slot,
                  exampleName(slot, unreadable.front().file).c_str(), more.c_str());
    return true;
}

std::string takenStatus(const TakenExamples& taken) {
    return textf("Trainer -> slot %d takes %d examples of slot %d", taken.by, taken.count, taken.slot);
}

std::string takenFinding(const TakenExamples& taken) {
    return textf("slot %d takes %d examples of slot %d: clear slot %d, or record examples for it so Learn can move it",
                 taken.by, taken.count, taken.slot, taken.by);
}

std::vector<std::string> takenFindings(const std::vector<TakenNote>& notes, const GestureTable& table, int slot) {
    std::vector<std::string> findings;
    for (const TakenNote& note : notes)
        if (note.taken.slot == slot && note.byText == table.gestures[note.taken.by])
            findings.push_back(takenFinding(note.taken));
    return findings;
}

SlotRowTexts slotRowTexts(const GestureTable& table, const int (&exampleCounts)[kGestureSlotCount], int slot) {
    bool hasExamples[kGestureSlotCount];
    for (int i = 0; i < kGestureSlotCount; ++i) hasExamples[i] = exampleCounts[i] > 0;
    SlotRowTexts row = {table.gestures[slot], commandFile(table, slot), ""};
    int owner = variantOfSlot(table, hasExamples, slot);
    if (owner != kNoSlot) {
        row.file = textf("variant of %d", owner);
        return row;
    }
    int variants = 0;
    for (int other = 0; other < kGestureSlotCount; ++other) variants += variantOfSlot(table, hasExamples, other) == slot;
    if (variants) row.note = textf("+%d variant%s", variants, variants == 1 ? "" : "s");
    return row;
}

void defaultTrainerPlace(ScreenBox host, ScreenBox work, int width, int height, int& x, int& y) {
    auto within = [](int value, int low, int high) {
        return value > high ? (high > low ? high : low) : value < low ? low : value;
    };
    x = within(host.left, work.left, work.right - width);
    if (host.bottom + height <= work.bottom) y = host.bottom;
    else if (host.top - height >= work.top) y = host.top - height;
    else y = within(host.bottom, work.top, work.bottom - height);
}

// Which slot a variant serves, and how many of that slot's examples it launches.
static std::string variantWords(const LearnOutcome& outcome, int slot) {
    int of = 0, count = variantServes(outcome.learned, outcome.examples, slot, &of);
    return textf(" (variant of slot %d, for %d of its %d examples)", outcome.learned.owners[slot], count, of);
}

std::string learnReport(const LearnOutcome& outcome, const GestureTable& table) {
    std::string report;
    std::vector<TakenExamples> taken = examplesTakenByFixedSlots(outcome.learned, outcome.setup, outcome.examples);
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        SlotRole role = outcome.setup.roles[slot];
        const std::string& proposed = outcome.learned.texts[slot];
        if (role == kSlotLearned || (role == kSlotFree && !proposed.empty()))
            report += textf("slot %d: |%s| -> |%s|%s\r\n", slot, table.gestures[slot], proposed.c_str(),
                            role == kSlotFree ? variantWords(outcome, slot).c_str() : "");
        for (const TakenExamples& t : taken)
            if (t.slot == slot) report += takenFinding(t) + "\r\n";
    }
    report += "now: " + tallyText(currentTally(table, outcome.examples)) + "\r\n";
    report += "learned: " + tallyText(outcome.estimate.learned) + textf(" (%d-fold estimate)\r\n", kFolds);
    for (size_t i : failingExamples(outcome)) {
        const Example& file = outcome.files[i];
        report += failureLine(outcome, &table, i, exampleName(file.slot, file.file)) + "\r\n";
    }
    return report;
}
