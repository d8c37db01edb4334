// trazzle-check --learn: slot texts learned from a person's own example strokes, with an honest estimate and the strokes that fail.
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "devhost/rc_file.h"
#include "tools/check/check_internal.h"
#include "training/learner.h"

namespace {

namespace fs = std::filesystem;

std::string slotKeyText(const char* field, int slot) {
    return textf("trazzle.plugin.%s%d:", field, slot);
}

// Which slots the learner may fill. A slot with a folder of examples is learned. With an rc
// file, a slot it gives a gesture or a command keeps what it has and competes; any other
// slot is free for a variant. Without one nothing is known of the other slots.
void planSlots(const char* dir, const RcFile* rc, LearnSetup& setup) {
    clearLearnSetup(setup);
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        std::error_code error;
        if (fs::is_directory(fs::path(dir) / std::to_string(slot), error)) setup.roles[slot] = kSlotLearned;
    }
    if (!rc) return;
    const GestureTable& table = rc->table;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] == kSlotLearned) continue;
        if (table.gestures[slot][0] == '\0' && table.commands[slot][0] == '\0') {
            setup.roles[slot] = kSlotFree;
            continue;
        }
        setup.roles[slot] = kSlotFixed;
        setup.fixedTexts[slot] = table.gestures[slot];
        // A slot that starts what a learned slot starts (an earlier variant) counts as right
        // for that slot's examples.
        for (int owner = 0; owner < kGestureSlotCount; ++owner)
            if (setup.roles[owner] == kSlotLearned &&
                std::strcmp(table.commands[owner], table.commands[slot]) == 0 &&
                std::strcmp(table.arguments[owner], table.arguments[slot]) == 0) {
                setup.fixedOwners[slot] = owner;
                break;
            }
    }
}

// Why a learned slot was left without a text.
std::string emptyReason(const std::vector<LearnExample>& examples, int slot) {
    int count = 0, cornered = 0;
    for (const LearnExample& example : examples)
        if (example.slot == slot) ++count, cornered += !example.text.empty();
    if (count == 0) return "it has no examples";
    if (cornered == 0) return "no example has a corner";
    return "no text its examples share is safe: each would start another slot's command, or "
           "fits too few of them";
}

// What the plugin launches for a slot chosen under `config`, in words.
std::string launchWords(const SlotTexts& config, const RcFile* rc, int slot) {
    if (slot == kNoSlot) return "nothing";
    std::string words = textf("slot %d", slot);
    if (config.owners[slot] != slot) words += textf(" (variant of slot %d)", config.owners[slot]);
    if (rc) words += " " + slotFileName(rc->table, slot);
    return words;
}

void printConfiguration(const SlotTexts& learned, const LearnSetup& setup,
                        const std::vector<LearnExample>& examples, const RcFile* rc, FILE* out) {
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] != kSlotLearned) continue;
        if (learned.texts[slot].empty())
            std::fprintf(out, "# slot %d left empty: %s\n", slot, emptyReason(examples, slot).c_str());
        else
            std::fprintf(out, "%s %s\n", slotKeyText("gesture", slot).c_str(), learned.texts[slot].c_str());
    }
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] != kSlotFree || learned.texts[slot].empty()) continue;
        int owner = learned.owners[slot];
        std::fprintf(out, "# variant of slot %d\n%s %s\n%s %s\n%s %s\n", owner,
                     slotKeyText("gesture", slot).c_str(), learned.texts[slot].c_str(),
                     slotKeyText("command", slot).c_str(), rc->table.commands[owner],
                     slotKeyText("argument", slot).c_str(), rc->table.arguments[owner]);
    }
}

void printFailures(const SlotTexts& learned, const std::vector<Example>& files,
                   const std::vector<LearnExample>& examples, const RcFile* rc, FILE* out) {
    for (size_t i = 0; i < examples.size(); ++i) {
        int slot = chosenSlot(learned, examples[i].text);
        if (slot != kNoSlot && learned.owners[slot] == examples[i].slot) continue;
        std::fprintf(out, "# %s: %s |%s| launches %s\n", slot == kNoSlot ? "missed" : "wrong",
                     files[i].file.c_str(), examples[i].text.c_str(), launchWords(learned, rc, slot).c_str());
    }
}

// Writes the learned slots and variants into the rc file in one replace, and says what changed.
int applyToRcFile(const SlotTexts& learned, const LearnSetup& setup, const RcFile& rc, FILE* out, FILE* err) {
    std::vector<std::string> keys, values, was;
    auto set = [&](const char* field, int slot, const std::string& value, const char* old) {
        keys.push_back(slotKeyText(field, slot));
        values.push_back(value);
        was.push_back(old);
    };
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] == kSlotLearned) {
            set("gesture", slot, learned.texts[slot], rc.table.gestures[slot]);
        } else if (setup.roles[slot] == kSlotFree && !learned.texts[slot].empty()) {
            int owner = learned.owners[slot];
            set("gesture", slot, learned.texts[slot], rc.table.gestures[slot]);
            set("command", slot, rc.table.commands[owner], rc.table.commands[slot]);
            set("argument", slot, rc.table.arguments[owner], rc.table.arguments[slot]);
        }
    }
    std::vector<const char*> keyTexts, valueTexts;
    for (size_t i = 0; i < keys.size(); ++i)
        if (values[i] != was[i]) {
            keyTexts.push_back(keys[i].c_str());
            valueTexts.push_back(values[i].c_str());
        }
    if (keyTexts.empty()) {
        std::fprintf(out, "applied: %s already holds these texts\n", rc.path);
        return 0;
    }
    if (!rcWriteStrings(rc.path, keyTexts.data(), valueTexts.data(), keyTexts.size())) {
        std::fprintf(err, "trazzle-check: error: cannot write \"%s\": %s\n", rc.path,
                     std::strerror(errno ? errno : EIO));
        return 2;
    }
    for (size_t i = 0; i < keys.size(); ++i)
        if (values[i] != was[i])
            std::fprintf(out, "applied: %s %s (was \"%s\")\n", keys[i].c_str(), values[i].c_str(),
                         was[i].c_str());
    std::fprintf(out, "applied: %d values written to %s\n", static_cast<int>(keyTexts.size()), rc.path);
    return 0;
}

}  // namespace

int runLearn(const char* dir, const char* rcPath, bool apply, FILE* out, FILE* err) {
    RcFile rc;
    if (rcPath) {
        std::string problem;
        if (!loadRcFile(rcPath, rc, problem)) {
            std::fprintf(err, "trazzle-check: error: cannot read \"%s\": %s\n", rcPath, problem.c_str());
            return 2;
        }
    }
    const RcFile* known = rcPath ? &rc : nullptr;
    std::vector<Example> files;
    if (!readExampleFolders(dir, files, err)) return 2;
    if (files.empty()) {
        std::fprintf(err, "trazzle-check: error: no examples in \"%s\": it needs folders 0 to 24 "
                          "holding stroke files\n", dir);
        return 2;
    }
    std::vector<LearnExample> examples;
    for (const Example& file : files) examples.push_back({file.slot, file.text});

    LearnSetup setup;
    planSlots(dir, known, setup);
    SlotTexts learned;
    learnSlotTexts(examples, setup, learned);
    Estimate estimate = estimateByFolds(examples, setup);

    printConfiguration(learned, setup, examples, known, out);
    std::fprintf(out, "examples: %d right, %d wrong, %d nothing (%d-fold cross-validation: each "
                      "fold judged by texts learned without it)\n",
                 estimate.learned.right, estimate.learned.wrong, estimate.learned.nothing, kFolds);
    std::fprintf(out, "# each slot's most common text instead: %d right, %d wrong, %d nothing\n",
                 estimate.common.right, estimate.common.wrong, estimate.common.nothing);
    printFailures(learned, files, examples, known, out);
    return apply ? applyToRcFile(learned, setup, rc, out, err) : 0;
}
