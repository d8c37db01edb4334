// What learning means for an rc file: which slots are learned, fixed or free, and which lines applying it writes.
#include "training/learn_plan.h"

#include "training/checker.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

void planLearnSlots(const bool hasExamples[kGestureSlotCount], const GestureTable* rc, LearnSetup& setup,
                    int keepFree) {
    clearLearnSetup(setup);
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (hasExamples[slot]) setup.roles[slot] = kSlotLearned;
    if (!rc) return;
    std::vector<int> open;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        // A slot without a command cannot launch anything: a text for it would only be an
        // error, so it keeps what it has, and its examples only warn the other slots off.
        if (hasExamples[slot] && rc->commands[slot][0] != '\0') {
            setup.currentTexts[slot] = rc->gestures[slot];
            continue;
        }
        if (!hasExamples[slot] && rc->gestures[slot][0] == '\0' && rc->commands[slot][0] == '\0') {
            open.push_back(slot);
            continue;
        }
        // Kept as a fixed slot, a variant an earlier Apply wrote could never be changed again:
        // every Learn and Apply would add variants and none would go, until no slot is left.
        if (earlierVariantOwner(*rc, hasExamples, slot) != kNoSlot) {
            setup.written[slot] = true;
            open.push_back(slot);
            continue;
        }
        setup.roles[slot] = kSlotFixed;
        setup.fixedTexts[slot] = rc->gestures[slot];
    }
    // The highest open slots stay empty, where a person's next gesture goes.
    int variants = static_cast<int>(open.size()) - (keepFree < 0 ? 0 : keepFree);
    for (int i = 0; i < variants; ++i) setup.roles[open[i]] = kSlotFree;
}

namespace {

// The slots of `rc` as they read once the learned lines are written.
void proposedTable(const SlotTexts& learned, const LearnSetup& setup, const GestureTable& rc, GestureTable& out) {
    out = rc;
    auto put = [](char* field, const std::string& value) { std::snprintf(field, kSlotTextSize, "%s", value.c_str()); };
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] == kSlotLearned) {
            put(out.gestures[slot], learned.texts[slot]);
        } else if (setup.roles[slot] == kSlotFree && !learned.texts[slot].empty()) {
            put(out.gestures[slot], learned.texts[slot]);
            put(out.commands[slot], rc.commands[learned.owners[slot]]);
            put(out.arguments[slot], rc.arguments[learned.owners[slot]]);
        } else if (setup.written[slot]) {
            put(out.gestures[slot], "");
            put(out.commands[slot], "");
            put(out.arguments[slot], "");
        }
    }
}

// The errors trazzle-check finds in the slots of `proposed` that it does not find in `rc`'s own.
std::vector<std::string> newSlotErrors(const RcFile& rc, const GestureTable& proposed) {
    RcFile after = rc;
    after.table = proposed;
    std::vector<Diagnostic> was, now;
    checkSlots(rc, was, nullptr);
    checkSlots(after, now, nullptr);
    std::set<std::string> known;
    for (const Diagnostic& d : was)
        if (d.severity == kError) known.insert(d.text);
    std::vector<std::string> errors;
    for (const Diagnostic& d : now)
        if (d.severity == kError && !known.count(d.text)) errors.push_back(d.text);
    return errors;
}

std::set<std::string> slotWarnings(const RcFile& rc, const GestureTable& table) {
    RcFile after = rc;
    after.table = table;
    std::vector<Diagnostic> found;
    checkSlots(after, found, nullptr);
    std::set<std::string> warnings;
    for (const Diagnostic& d : found)
        if (d.severity == kWarning) warnings.insert(d.text);
    return warnings;
}

}  // namespace

void warnedVariants(const SlotTexts& learned, const LearnSetup& setup, const RcFile& rc,
                    std::vector<std::pair<std::string, int>>& warned) {
    // Variants are added to the slots without them one at a time, in slot order; one that
    // brings a warning the slots had not is warned, and left out for the next.
    SlotTexts kept = learned;
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (setup.roles[slot] == kSlotFree) kept.texts[slot].clear(), kept.owners[slot] = kNoSlot;
    GestureTable table;
    proposedTable(kept, setup, rc.table, table);
    std::set<std::string> known = slotWarnings(rc, table);
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] != kSlotFree || learned.texts[slot].empty()) continue;
        SlotTexts tried = kept;
        tried.texts[slot] = learned.texts[slot];
        tried.owners[slot] = learned.owners[slot];
        proposedTable(tried, setup, rc.table, table);
        std::set<std::string> now = slotWarnings(rc, table);
        bool brings = false;
        for (const std::string& text : now) brings = brings || !known.count(text);
        if (brings) {
            warned.push_back({learned.texts[slot], learned.owners[slot]});
            continue;
        }
        kept = tried;
        known = now;
    }
}

std::vector<RcChange> learnedChanges(const SlotTexts& learned, const LearnSetup& setup, const RcFile& rc,
                                     std::vector<std::string>& errors) {
    GestureTable proposed;
    proposedTable(learned, setup, rc.table, proposed);
    errors = newSlotErrors(rc, proposed);
    std::vector<RcChange> changes;
    if (!errors.empty()) return changes;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        const SlotField fields[] = {kSlotGesture, kSlotCommand, kSlotArgument};
        const char* now[] = {proposed.gestures[slot], proposed.commands[slot], proposed.arguments[slot]};
        const char* was[] = {rc.table.gestures[slot], rc.table.commands[slot], rc.table.arguments[slot]};
        for (int field = 0; field < 3; ++field)
            if (std::strcmp(now[field], was[field]) != 0) changes.push_back({slotKeyOf(fields[field], slot), now[field], was[field]});
    }
    return changes;
}

int variantServes(const SlotTexts& learned, const std::vector<LearnExample>& examples, int slot, int* of) {
    int count = 0;
    *of = 0;
    for (const LearnExample& example : examples) {
        if (!example.drawn || example.slot != learned.owners[slot]) continue;
        ++*of;
        count += chosenSlot(learned, example.text) == slot;
    }
    return count;
}

bool launchesAs(const GestureTable& table, int chosen, int wanted) {
    return chosen != kNoSlot && (chosen == wanted || sameLaunch(table, chosen, wanted));
}

int earlierVariantOwner(const GestureTable& rc, const bool hasExamples[kGestureSlotCount], int slot) {
    if (hasExamples[slot]) return kNoSlot;
    for (int owner = 0; owner < kGestureSlotCount; ++owner)
        if (hasExamples[owner] && rc.commands[owner][0] != '\0' && sameLaunch(rc, owner, slot)) return owner;
    return kNoSlot;
}

int variantOfSlot(const GestureTable& rc, const bool hasExamples[kGestureSlotCount], int slot) {
    if (rc.gestures[slot][0] == '\0' || rc.commands[slot][0] == '\0' || hasExamples[slot]) return kNoSlot;
    int owner = earlierVariantOwner(rc, hasExamples, slot);
    for (int lower = 0; owner == kNoSlot && lower < slot; ++lower)
        if (sameLaunch(rc, lower, slot)) owner = lower;
    return owner;
}

std::vector<TakenExamples> examplesTakenByFixedSlots(const SlotTexts& learned, const LearnSetup& setup,
                                                      const std::vector<LearnExample>& examples) {
    std::vector<TakenExamples> taken;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] != kSlotLearned) continue;
        int count[kGestureSlotCount] = {};
        for (const LearnExample& example : examples) {
            if (!example.drawn || example.slot != slot) continue;
            int chosen = chosenSlot(learned, example.text);
            if (chosen != kNoSlot && setup.roles[chosen] == kSlotFixed && learned.owners[chosen] != slot) ++count[chosen];
        }
        for (int by = 0; by < kGestureSlotCount; ++by)
            if (count[by]) taken.push_back({slot, by, count[by]});
    }
    return taken;
}
