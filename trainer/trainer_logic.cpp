// The trainer's decisions that need no window: its broadcast commands, status texts, marked examples, learning reports.
#include "trainer/trainer_logic.h"

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
    Tally tally;
    for (const LearnExample& example : examples) {
        if (!example.drawn) continue;
        int chosen = findBestSlot(table, example.text.c_str());
        if (chosen == kNoSlot) ++tally.nothing;
        else if (launchesAs(table, chosen, example.slot)) ++tally.right;
        else ++tally.wrong;
    }
    return tally;
}

int changedSlotCount(const std::vector<RcChange>& changes) {
    std::set<int> slots;
    for (const RcChange& change : changes) {
        // "trazzle.plugin.gesture12:": the digits before the colon.
        size_t end = change.key.size() - 1, start = end;
        while (start > 0 && change.key[start - 1] >= '0' && change.key[start - 1] <= '9') --start;
        slots.insert(std::atoi(change.key.substr(start, end - start).c_str()));
    }
    return static_cast<int>(slots.size());
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
        size_t slash = file.file.find_last_of("/\\");
        report += textf("still fails: %d/%s |%s|\r\n", file.slot,
                        file.file.substr(slash == std::string::npos ? 0 : slash + 1).c_str(), file.text.c_str());
    }
    return report;
}
