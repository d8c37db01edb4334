// The trainer's decisions that need no window: its broadcast commands, status texts, marked examples, learning reports.
#include "trainer/trainer_logic.h"

#include "host/settings_loader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include "engine/command_launcher.h"
#include "host/broadcast_decision.h"

namespace {

bool digitsOnly(const char* text) {
    if (!*text) return false;
    for (; *text; ++text)
        if (*text < '0' || *text > '9') return false;
    return true;
}

TrainerCommand command(TrainerAction action, int slot = 0) { return {action, slot}; }

std::string tallyText(const Tally& tally) {
    return textf("%d right, %d wrong, %d nothing", tally.right, tally.wrong, tally.nothing);
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
    char select[8];
    std::snprintf(select, sizeof select, "%.7s", word);
    if (equalsIgnoringCase(select, "Select ") && digitsOnly(word + 7) && std::strlen(word + 7) <= 2) {
        int slot = std::atoi(word + 7);
        if (slot < kGestureSlotCount) return command(kTrainerSelect, slot);
    }
    return command(kTrainerIgnored);
}

void canvasStatus(const GestureTable& table, const char* text, char (&status)[kTrainerStatusSize]) {
    int slot = findBestSlot(table, text);
    if (slot == kNoSlot) {
        std::snprintf(status, sizeof status, "Trainer -> |%s| nothing", text);
        return;
    }
    char directory[kLaunchTextSize], file[kLaunchTextSize];
    splitCommand(table.commands[slot], directory, file);
    std::snprintf(status, sizeof status, "Trainer -> |%s| slot %d: %s", text, slot, file);
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

// Which slot a variant serves, and how many of that slot's examples it launches.
static std::string variantWords(const LearnOutcome& outcome, int slot) {
    int of = 0, count = variantServes(outcome.learned, outcome.examples, slot, &of);
    return textf(" (variant of slot %d, for %d of its %d examples)", outcome.learned.owners[slot], count, of);
}

std::string learnReport(const LearnOutcome& outcome, const GestureTable& table) {
    std::string report;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        SlotRole role = outcome.setup.roles[slot];
        const std::string& proposed = outcome.learned.texts[slot];
        if (role == kSlotLearned || (role == kSlotFree && !proposed.empty()))
            report += textf("slot %d: |%s| -> |%s|%s\r\n", slot, table.gestures[slot], proposed.c_str(),
                            role == kSlotFree ? variantWords(outcome, slot).c_str() : "");
    }
    report += "now: " + tallyText(currentTally(table, outcome.examples)) + "\r\n";
    report += "learned: " + tallyText(outcome.estimate.learned) + textf(" (%d-fold estimate)\r\n", kFolds);
    for (size_t i : failingExamples(outcome)) {
        const Example& file = outcome.files[i];
        report += textf("still fails: %s |%s|\r\n", exampleName(file.slot, file.file).c_str(), file.text.c_str());
    }
    return report;
}
