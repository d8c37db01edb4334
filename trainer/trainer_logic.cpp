// The trainer's decisions that need no window: status texts, marked examples, slot rows, learning reports.
#include "trainer/trainer_logic.h"

#include "settings/settings_loader.h"

#include <cstdio>
#include <cstring>
#include <set>

#include "engine/command_launcher.h"
#include "training/learn_failures.h"

namespace {

std::string tallyText(const Tally& tally) {
    return textf("%d right, %d wrong, %d nothing", tally.right, tally.wrong, tally.nothing);
}

// The file name of a slot's command, as trazzle's launch status gives it.
std::string commandFile(const GestureTable& table, int slot) {
    char directory[kLaunchTextSize], file[kLaunchTextSize];
    splitCommand(table.commands[slot], directory, file);
    return file;
}

// "|br| launches slot 0 cmd.exe" for the slot `chosen` that trazzle picks for `text`, or
// "|br| launches nothing".
std::string launchedFor(const GestureTable& table, const char* text, int chosen) {
    if (chosen == kNoSlot) return textf("|%s| launches nothing: %s", text, whyNothing(table, text).c_str());
    return textf("|%s| launches slot %d %s", text, chosen, commandFile(table, chosen).c_str());
}

// How a write that did not happen ends every trainer status that reports one.
void cannotWriteStatus(const RcWriteResult& result, const char* rcPath, char (&status)[kTrainerStatusSize]) {
    std::snprintf(status, sizeof status, "Trainer -> cannot write %s: %s", rcPath, result.reason);
}

// The lowest slot that starts what `slot` starts: `slot` itself at the latest.
int firstLaunchingAs(const GestureTable& table, int slot) {
    int first = 0;
    while (first < slot && !launchesAs(table, first, slot)) ++first;
    return first;
}

// "trazzle.rc": how statuses name the rc file when its folder does not matter.
const char* rcFileName(const char* rcPath) {
    const char* name = rcPath;
    for (const char* p = rcPath; *p; ++p)
        if (*p == '\\' || *p == '/') name = p + 1;
    return name;
}

// Whether Learn's finding `note` is about `slot` and the taking slot still has the text it had then.
bool stillHolds(const TakenNote& note, const GestureTable& table, int slot) {
    return note.taken.slot == slot && note.byText == table.gestures[note.taken.by];
}

}  // namespace

int tokenCount(const char* text) {
    int count = 0;
    for (const char* p = text; *p; ++p)
        if (*p != ' ' && (p == text || p[-1] == ' ')) ++count;
    return count;
}

std::string whyNothing(const GestureTable& table, const char* text) {
    // The longest slot text the stroke holds is the one it came nearest to launching.
    int nearest = kNoSlot;
    size_t nearestLength = 0;
    for (int slot = 0; *text && slot < kGestureSlotCount; ++slot) {
        size_t length = std::strlen(table.gestures[slot]);
        if (length > nearestLength && gestureScore(text, table.gestures[slot]) > 0.0f) {
            nearest = slot;
            nearestLength = length;
        }
    }
    if (nearest == kNoSlot) return "it holds no slot's text";
    return textf("it holds slot %d's |%s|, but %d of its %d tokens are under the three tenths a text needs", nearest,
                 table.gestures[nearest], tokenCount(table.gestures[nearest]), tokenCount(text));
}

void canvasStatus(const GestureTable& table, const char* text, char (&status)[kTrainerStatusSize]) {
    int slot = findBestSlot(table, text);
    if (slot == kNoSlot) {
        std::snprintf(status, sizeof status, "Trainer -> |%s| nothing: %s", text, whyNothing(table, text).c_str());
        return;
    }
    std::snprintf(status, sizeof status, "Trainer -> |%s| slot %d: %s", text, slot, commandFile(table, slot).c_str());
}

void recordStatus(const GestureTable& table, int slot, const char* file, const char* text,
                  char (&status)[kTrainerStatusSize]) {
    int chosen = findBestSlot(table, text);
    std::string line = textf("Trainer -> recorded %s", file);
    if (chosen != kNoSlot && !launchesAs(table, chosen, slot)) line += "; " + launchedFor(table, text, chosen);
    std::snprintf(status, sizeof status, "%s", line.c_str());
}

std::vector<std::string> clashFindings(const std::vector<Example>& files, int slot) {
    std::vector<LearnExample> examples;
    for (const Example& file : files) examples.push_back({file.slot, file.text});
    std::vector<std::string> lines;
    for (const ShapeClash& clash : shapeClashes(examples))
        if (clash.a == slot || clash.b == slot) lines.push_back(clashLine(clash, newerSlot(files, clash.a, clash.b)));
    return lines;
}

std::vector<std::string> takenNowFindings(const std::vector<TakenNote>& notes, const GestureTable& table, int slot,
                                          const std::vector<std::string>& texts) {
    int count[kGestureSlotCount] = {};
    for (const std::string& text : texts) {
        int chosen = findBestSlot(table, text.c_str());
        if (chosen != kNoSlot && !launchesAs(table, chosen, slot)) ++count[chosen];
    }
    for (const TakenNote& note : notes)
        if (stillHolds(note, table, slot)) count[note.taken.by] = 0;
    std::vector<std::string> lines;
    for (int by = 0; by < kGestureSlotCount; ++by)
        if (count[by])
            lines.push_back(textf("slot %d %s takes %d of slot %d's examples as the texts stand", by,
                                  commandFile(table, by).c_str(), count[by], slot));
    return lines;
}

void exampleStatus(const GestureTable& table, const std::string& name, const std::string& text,
                   char (&status)[kTrainerStatusSize]) {
    std::snprintf(status, sizeof status, "Trainer -> %s %s", name.c_str(),
                  launchedFor(table, text.c_str(), findBestSlot(table, text.c_str())).c_str());
}

void historyStatus(const GestureTable& table, const std::string& name, const std::string& text, const StrokeLaunch& launch,
                   char (&status)[kTrainerStatusSize]) {
    std::string then = launch.slot == kNoSlot ? "launched nothing"
                                              : textf("launched slot %d %s", launch.slot, launch.command.c_str());
    std::string now = launchedFor(table, text.c_str(), findBestSlot(table, text.c_str()));
    const char* advice = launch.slot == kNoSlot ? "; give it to its slot" : "; if that was the wrong program, give it to its slot";
    std::snprintf(status, sizeof status, "Trainer -> history %s %s; now %s%s", name.c_str(), then.c_str(), now.c_str(),
                  advice);
}

void newStrokeStatus(const GestureTable& table, const std::string& text, const StrokeLaunch& launch,
                     char (&status)[kTrainerStatusSize]) {
    if (launch.slot == kNoSlot)
        std::snprintf(status, sizeof status, "Trainer -> your stroke |%s| launched nothing: %s; give it to its slot in History",
                      text.c_str(), whyNothing(table, text.c_str()).c_str());
    else
        std::snprintf(status, sizeof status,
                      "Trainer -> your stroke |%s| launched slot %d %s; if that was the wrong program, give it to its slot "
                      "in History",
                      text.c_str(), launch.slot, launch.command.c_str());
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
    const char* name = rcFileName(rcPath);
    if (result.status == kRcWritten)
        std::snprintf(status, sizeof status, "Trainer -> applied: %d slots changed", changedSlots);
    else if (result.status == kRcChanged)
        std::snprintf(status, sizeof status, "Trainer -> %s changed since Learn: Learn again", name);
    else
        cannotWriteStatus(result, rcPath, status);
}

void fieldStatus(const RcWriteResult& result, const char* rcPath, int slot, const char* field, const char* value,
                 char (&status)[kTrainerStatusSize]) {
    if (result.status == kRcWritten)
        std::snprintf(status, sizeof status, "Trainer -> slot %d %s: %s", slot, field, value);
    else
        cannotWriteStatus(result, rcPath, status);
}

void notStoredStatus(const char* what, const RcWriteResult& why, const char* rcPath, char (&status)[kTrainerStatusSize]) {
    if (why.status == kRcWritten)
        std::snprintf(status, sizeof status, "Trainer -> %s not stored: the host left %s as it was", what, rcFileName(rcPath));
    else
        std::snprintf(status, sizeof status, "Trainer -> %s not stored: %s: %s", what, rcFileName(rcPath), why.reason);
}

void clearStatus(const RcWriteResult& result, const char* rcPath, int slot, char (&status)[kTrainerStatusSize]) {
    if (result.status == kRcWritten) std::snprintf(status, sizeof status, "Trainer -> slot %d cleared", slot);
    else cannotWriteStatus(result, rcPath, status);
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
        if (stillHolds(note, table, slot)) findings.push_back(takenFinding(note.taken));
    return findings;
}

void slotsWithExamples(const int (&exampleCounts)[kGestureSlotCount], bool (&hasExamples)[kGestureSlotCount]) {
    for (int slot = 0; slot < kGestureSlotCount; ++slot) hasExamples[slot] = exampleCounts[slot] > 0;
}

SlotRowTexts slotRowTexts(const GestureTable& table, const int (&exampleCounts)[kGestureSlotCount], int slot) {
    bool hasExamples[kGestureSlotCount];
    slotsWithExamples(exampleCounts, hasExamples);
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

static bool covers(ScreenBox box, int x, int y, int width, int height) {
    return x < box.right && box.left < x + width && y < box.bottom && box.top < y + height;
}

void defaultTrainerPlace(ScreenBox host, ScreenBox square, ScreenBox work, int width, int height, int& x, int& y) {
    auto within = [](int value, int low, int high) {
        return value > high ? (high > low ? high : low) : value < low ? low : value;
    };
    x = within(host.left, work.left, work.right - width);
    if (host.bottom + height <= work.bottom) y = host.bottom;
    else if (host.top - height >= work.top) y = host.top - height;
    else y = within(host.bottom, work.top, work.bottom - height);
    if (!covers(square, x, y, width, height)) return;
    const int tries[][2] = {{square.right, y}, {square.left - width, y}, {x, square.bottom}, {x, square.top - height}};
    for (const auto& at : tries) {
        bool inside = at[0] >= work.left && at[0] + width <= work.right && at[1] >= work.top && at[1] + height <= work.bottom;
        if (inside && !covers(host, at[0], at[1], width, height)) {
            x = at[0];
            y = at[1];
            return;
        }
    }
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
    for (const ShapeClash& clash : shapeClashes(outcome.examples))
        report += clashLine(clash, newerSlot(outcome.files, clash.a, clash.b)) + "\r\n";
    report += "now: " + tallyText(currentTally(table, outcome.examples)) + "\r\n";
    report += "learned: " + tallyText(outcome.estimate.learned) + textf(" (%d-fold estimate)\r\n", kFolds);
    if (outcome.fromUse)
        report += textf("from use: %d strokes of trazzle-history counted for the slots they launched\r\n", outcome.fromUse);
    for (size_t i : failingExamples(outcome)) {
        const Example& file = outcome.files[i];
        std::string name = file.fromUse ? "history/" + file.file.substr(file.file.find_last_of("/\\") + 1)
                                        : exampleName(file.slot, file.file);
        report += failureLine(outcome, &table, i, name) + "\r\n";
    }
    return report;
}
