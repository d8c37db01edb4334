// Learning slot texts from example strokes' gesture texts, and judging texts on examples they were not learned from.
#pragma once

#include <string>
#include <vector>

#include "engine/gesture_matcher.h"
#include "training/learn_cancel.h"

// What a slot is to the learner. A learned slot gets a text from its own examples; a free
// slot may take a further text (a variant) for a learned slot; a fixed slot keeps the text it
// has, which competes with the learned ones; an unused slot stays empty.
enum SlotRole { kSlotUnused, kSlotFixed, kSlotLearned, kSlotFree };

struct LearnExample {
    int slot;          // the slot whose command the stroke is meant to launch
    std::string text;  // its finished gesture text
    // The stroke this example comes from (-1: a stroke of its own), and whether it is that
    // stroke as drawn or the same stroke a little larger, smaller or turned, as the same hand
    // may draw it next time. Variants of a stroke teach the learner and, with the stroke,
    // count once towards a text's support; only drawn strokes are judged.
    int stroke = -1;
    bool drawn = true;
};

struct LearnSetup {
    SlotRole roles[kGestureSlotCount];
    std::string fixedTexts[kGestureSlotCount];  // the texts of fixed slots
    // The slot whose command a fixed slot launches: itself, or a learned slot with the same
    // command and argument, so that launching it counts as right for that slot's examples.
    int fixedOwners[kGestureSlotCount];
    // The texts learned slots have now (empty: none): each is kept unless the new one does
    // better on examples it was not learned from.
    std::string currentTexts[kGestureSlotCount];
    // Slots holding a variant an earlier Apply wrote: the learner's own, rewritten or cleared
    // at every Learn like any free slot, never kept as a person's.
    bool written[kGestureSlotCount];
};

// Every slot unused.
void clearLearnSetup(LearnSetup& setup);

// A configuration: each slot's text and the slot whose command it launches (itself, the
// learned slot a variant serves, or kNoSlot for an empty slot).
struct SlotTexts {
    std::string texts[kGestureSlotCount];
    int owners[kGestureSlotCount];
};

struct Tally {
    int right = 0, wrong = 0, nothing = 0;
};

// A right launch is worth kRightWorth and a wrong one costs kWrongCost: starting the wrong
// program is worse than starting none, by more than two right launches.
constexpr int kRightWorth = 4;
constexpr int kWrongCost = 9;
// In the search a stroke as drawn weighs as much as this many of its variants.
constexpr int kDrawnWeight = 3;
// The estimate's folds, and those of the learner's own check of its texts.
constexpr int kFolds = 5;

// The whole procedure: texts are chosen on four fifths of the examples and judged on the
// fifth left out, five times; a text that did more harm than good on the examples it was not
// chosen from is not offered again; then the texts are chosen on all examples. With `cancel`
// set meanwhile it returns soon after, `out` unusable.
//
// A variant must serve: one that launches none of its slot's examples as drawn is refused and
// the texts are chosen again without it, and so is one that `vet` (whoever knows more of the
// slots, such as the rc file's checker) names; one still left so is dropped.
struct VariantVet {
    const void* context;
    // Adds to `refused` the variants of `config` to refuse, as (text, the learned slot served).
    void (*refuse)(const void* context, const SlotTexts& config, std::vector<std::pair<std::string, int>>& refused);
};
void learnSlotTexts(const std::vector<LearnExample>& examples, const LearnSetup& setup, SlotTexts& out,
                    const LearnCancel* cancel = nullptr, const VariantVet* vet = nullptr);

// Each learned slot's most common example text (fixed slots as they are), the usual first
// guess, for comparison.
void mostCommonTexts(const std::vector<LearnExample>& examples, const LearnSetup& setup, SlotTexts& out);

// The slot the plugin's matcher chooses for `text` under `config`, or kNoSlot.
int chosenSlot(const SlotTexts& config, const std::string& text);
// How `config` does on the drawn examples: right when the chosen slot launches the example's
// command.
Tally judgeSlotTexts(const SlotTexts& config, const std::vector<LearnExample>& examples);

// The fold of each example: the strokes of one slot are dealt round the folds in order, so
// every fold holds about a fifth of every slot's strokes, each with its variants.
std::vector<int> foldsOf(const std::vector<LearnExample>& examples);

// What the whole procedure does on examples it did not learn from: each fold judged by texts
// learned from the others, beside the most common texts learned and judged the same way.
struct Estimate {
    Tally learned;
    Tally common;
};
Estimate estimateByFolds(const std::vector<LearnExample>& examples, const LearnSetup& setup,
                         const LearnCancel* cancel = nullptr);
