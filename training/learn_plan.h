// What learning means for an rc file: which slots are learned, fixed or free, and which lines applying it writes.
#pragma once

#include <string>
#include <vector>

#include "engine/gesture_matcher.h"
#include "training/checker.h"
#include "training/learner.h"

// How many slots an Apply leaves without a variant, for the next gestures a person adds,
// unless the rc file's trazzle.trainer.freeSlots: says otherwise (RcFile::freeSlots).
constexpr int kDefaultFreeSlots = kDefaultTrainerFreeSlots;

// A slot with examples is learned. With the rc file's slots (`rc` not null), a learned slot's
// text there is its current one, kept unless a new one does better; a slot with examples but
// no command keeps what it has. A slot without examples that starts what a learned slot starts
// holds a variant an earlier Apply wrote: it is the learner's again (`written`), open like an
// empty slot. Of the open slots, all but the highest `keepFree` are free for a variant; the
// rest stay empty (a written variant among them is cleared). Any other slot the rc file gives
// a gesture or a command is a person's: it keeps what it has and competes. Without the rc
// file's slots nothing is known of the other slots, and none is free.
void planLearnSlots(const bool hasExamples[kGestureSlotCount], const GestureTable* rc, LearnSetup& setup,
                    int keepFree = kDefaultFreeSlots);

// The variants of `learned` whose lines would draw a warning from trazzle-check that the
// slots without them do not, as (text, learned slot served), added to `warned`: a variant is a
// helper, never a new worry for the person.
void warnedVariants(const SlotTexts& learned, const LearnSetup& setup, const RcFile& rc,
                    std::vector<std::pair<std::string, int>>& warned);

// One rc value that applying a learned configuration changes.
struct RcChange {
    std::string key;    // "trazzle.plugin.gesture3:"
    std::string value;  // the new value (empty for a slot left without a text)
    std::string was;    // the value the slot had
};

// Every learned slot's gesture, and every variant's gesture with its learned slot's command
// and argument, where they differ from what `rc` holds; a variant an earlier Apply wrote that
// the learner no longer proposes is cleared. None, with the errors in `errors` in
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
