// What learning means for an rc file: which slots are learned, fixed or free, and which lines applying it writes.
#include "training/learn_plan.h"

#include "training/checker.h"

void planLearnSlots(const bool hasExamples[kGestureSlotCount], const GestureTable* rc, LearnSetup& setup) {
    clearLearnSetup(setup);
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (hasExamples[slot]) setup.roles[slot] = kSlotLearned;
    if (!rc) return;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] == kSlotLearned) continue;
        if (rc->gestures[slot][0] == '\0' && rc->commands[slot][0] == '\0') {
            setup.roles[slot] = kSlotFree;
            continue;
        }
        setup.roles[slot] = kSlotFixed;
        setup.fixedTexts[slot] = rc->gestures[slot];
        // An earlier variant starts what its learned slot starts.
        for (int owner = 0; owner < kGestureSlotCount; ++owner)
            if (setup.roles[owner] == kSlotLearned && sameLaunch(*rc, owner, slot)) {
                setup.fixedOwners[slot] = owner;
                break;
            }
    }
}

std::vector<RcChange> learnedChanges(const SlotTexts& learned, const LearnSetup& setup, const GestureTable& rc) {
    std::vector<RcChange> changes;
    auto change = [&](SlotField field, int slot, const std::string& value, const char* was) {
        if (value != was) changes.push_back({slotKeyOf(field, slot), value, was});
    };
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (setup.roles[slot] == kSlotLearned) {
            change(kSlotGesture, slot, learned.texts[slot], rc.gestures[slot]);
        } else if (setup.roles[slot] == kSlotFree && !learned.texts[slot].empty()) {
            int owner = learned.owners[slot];
            change(kSlotGesture, slot, learned.texts[slot], rc.gestures[slot]);
            change(kSlotCommand, slot, rc.commands[owner], rc.commands[slot]);
            change(kSlotArgument, slot, rc.arguments[owner], rc.arguments[slot]);
        }
    }
    return changes;
}

bool launchesAs(const GestureTable& table, int chosen, int wanted) {
    return chosen != kNoSlot && (chosen == wanted || sameLaunch(table, chosen, wanted));
}
