// What learning means for an rc file: which slots are learned, fixed or free, and which lines applying it writes.
#pragma once

#include <string>
#include <vector>

#include "engine/gesture_matcher.h"
#include "training/checker.h"
#include "training/learner.h"

// A slot with examples is learned. With the rc file's slots (`rc` not null), a learned slot's
// text there is its current one, kept unless a new one does better; a slot with examples but
// no command keeps what it has. A slot the rc file gives a gesture or a command keeps what it
// has and competes, and counts as right for a learned slot whose command and argument it
// shares; any other slot is free for a variant. Without them nothing is known of the other
// slots, and none is free.
void planLearnSlots(const bool hasExamples[kGestureSlotCount], const GestureTable* rc, LearnSetup& setup);

// One rc value that applying a learned configuration changes.
struct RcChange {
    std::string key;    // "trazzle.plugin.gesture3:"
    std::string value;  // the new value (empty for a slot left without a text)
    std::string was;    // the value the slot had
};

// Every learned slot's gesture, and every variant's gesture with its learned slot's command
// and argument, where they differ from what `rc` holds. None, with the errors in `errors` in
// trazzle-check's words, when the slots would then hold an error the checker does not find in
// `rc` now: the learner must never bring one, and whoever applies its lines writes none then.
std::vector<RcChange> learnedChanges(const SlotTexts& learned, const LearnSetup& setup, const RcFile& rc,
                                     std::vector<std::string>& errors);

// How many of its learned slot's examples as drawn the variant in `slot` launches, of `of`.
int variantServes(const SlotTexts& learned, const std::vector<LearnExample>& examples, int slot, int* of);

// Whether launching `chosen` (kNoSlot for none) under `table` starts what slot `wanted` starts.
bool launchesAs(const GestureTable& table, int chosen, int wanted);

// The slot with examples that `slot`, which has none of its own, serves as an earlier variant:
// the first whose command (not empty) and argument it shares; kNoSlot for none.
int earlierVariantOwner(const GestureTable& rc, const bool hasExamples[kGestureSlotCount], int slot);

// The slot a slot of `rc` holds a variant of: a slot with a gesture and no examples that
// starts what an earlier variant's owner starts, or else what a lower slot starts (the lowest
// such); kNoSlot when it is no variant.
int variantOfSlot(const GestureTable& rc, const bool hasExamples[kGestureSlotCount], int slot);

// Drawn examples of a learned slot that a fixed slot (one Learn may not change) launches under
// the learned texts: those strokes cannot be taught to their own slot.
struct TakenExamples {
    int slot;   // the learned slot whose examples they are
    int by;     // the fixed slot that takes them
    int count;  // how many
};
// Every such pair, in order of the learned slot, then the fixed one.
std::vector<TakenExamples> examplesTakenByFixedSlots(const SlotTexts& learned, const LearnSetup& setup,
                                                      const std::vector<LearnExample>& examples);
