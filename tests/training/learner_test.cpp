// Tests of the learner: a case that needs a variant, an estimate small enough to count by hand, strokes drawn again.
#include <gtest/gtest.h>

#include "training/learner.h"
#include "training/stroke_variants.h"

namespace {

std::vector<LearnExample> threeOfEach(const std::vector<std::pair<int, const char*>>& ways) {
    std::vector<LearnExample> examples;
    for (const auto& way : ways)
        for (int i = 0; i < 3; ++i) examples.push_back({way.first, way.second});
    return examples;
}

// Slots 0 and 1 learned, every other slot unused.
LearnSetup slotsZeroAndOne() {
    LearnSetup setup;
    clearLearnSetup(setup);
    setup.roles[0] = setup.roles[1] = kSlotLearned;
    return setup;
}

std::string describe(const SlotTexts& config) {
    std::string text;
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (!config.texts[slot].empty())
            text += std::to_string(slot) + " for " + std::to_string(config.owners[slot]) + ": " +
                    config.texts[slot] + "\n";
    return text;
}

// Slot 0 is an M, slot 1 a W, each drawn whole or without its last leg. The W's "br tr"
// serves both of its ways. The M's whole "tr br tr" needs a text of two tokens or more, and
// the only one it shares with the short M, "tr br", would take the whole W in slot 0; so one
// text cannot hold both Ms, and the short M needs a second text in a free slot, above slot 1,
// which then keeps the W on the tie.
TEST(Learner, PutsASecondWayOfDrawingIntoAFreeSlot) {
    std::vector<LearnExample> examples =
        threeOfEach({{0, "tr br tr"}, {0, "tr br"}, {1, "br tr br"}, {1, "br tr"}});
    LearnSetup setup = slotsZeroAndOne();
    SlotTexts learned;
    learnSlotTexts(examples, setup, learned);
    EXPECT_EQ(describe(learned), "0 for 0: tr br tr\n1 for 1: br tr\n");
    Tally withoutVariants = judgeSlotTexts(learned, examples);
    EXPECT_EQ(withoutVariants.nothing, 3);

    for (int slot = 2; slot < kGestureSlotCount; ++slot) setup.roles[slot] = kSlotFree;
    learnSlotTexts(examples, setup, learned);
    EXPECT_EQ(describe(learned), "0 for 0: tr br tr\n1 for 1: br tr\n2 for 0: tr br\n");
    Tally tally = judgeSlotTexts(learned, examples);
    EXPECT_EQ(tally.right, 12);
    EXPECT_EQ(tally.wrong + tally.nothing, 0);
}

// A V (slot 0) and a check mark (slot 1) both give "br". The examples are dealt round the
// folds: fold 0 holds the first V and the first check, and so on; folds 3 and 4 are empty.
// Each fold's learner sees two Vs and two checks: "br" for either slot would start two right
// and two wrong, so both stay empty and the held-out pair launches nothing: 0 right, 0 wrong,
// 6 nothing. The most common texts give both slots "br"; slot 0 wins the tie, so each fold's
// V is right and its check wrong: 3 right, 3 wrong.
TEST(Learner, EstimatesEachFoldWithTextsLearnedWithoutIt) {
    std::vector<LearnExample> examples = threeOfEach({{0, "br"}, {1, "br"}});
    LearnSetup setup = slotsZeroAndOne();
    Estimate estimate = estimateByFolds(examples, setup);
    EXPECT_EQ(estimate.learned.right, 0);
    EXPECT_EQ(estimate.learned.wrong, 0);
    EXPECT_EQ(estimate.learned.nothing, 6);
    EXPECT_EQ(estimate.common.right, 3);
    EXPECT_EQ(estimate.common.wrong, 3);
    EXPECT_EQ(estimate.common.nothing, 0);
}

// A small V of two 14-pixel steps: drawn smaller its bottom is within 12 pixels of the start
// and no corner is seen; larger, or only wider or narrower, it stays a V.
TEST(Learner, DrawsEachStrokeAgainLargerSmallerTurnedAndStretched) {
    std::vector<ScreenPoint> v = {{100, 100}, {110, 110}, {120, 100}};
    EXPECT_EQ(strokeText(v), "br");
    std::vector<std::string> expected;
    for (int k = 0; k < 8; ++k) expected.insert(expected.end(), {"", "br"});  // smaller, larger
    expected.insert(expected.end(), {"br", "", "br", "br"});
    EXPECT_EQ(strokeVariantTexts(v), expected);
}

// Variants teach, but a stroke is one stroke: its variants stay in its fold, add nothing to a
// text's support and are never judged.
TEST(Learner, CountsAStrokeOnceWithItsVariants) {
    auto stroke = [](int slot, const char* text, int id, bool drawn) {
        LearnExample example = {slot, text};
        example.stroke = id;
        example.drawn = drawn;
        return example;
    };
    std::vector<LearnExample> examples = {stroke(0, "br", 0, true), stroke(0, "tr", 0, false),
                                          stroke(0, "br", 1, true), stroke(0, "tr", 1, false),
                                          stroke(1, "rd", 2, true), stroke(1, "rd", 2, false),
                                          stroke(1, "rd", 2, false)};
    EXPECT_EQ(foldsOf(examples), (std::vector<int>{0, 0, 1, 1, 0, 0, 0}));
    LearnSetup setup = slotsZeroAndOne();
    SlotTexts learned;
    learnSlotTexts(examples, setup, learned);
    // Slot 1's "rd" is in three examples but one stroke: too little to go on.
    EXPECT_EQ(describe(learned), "0 for 0: br\n");
    Tally tally = judgeSlotTexts(learned, examples);
    EXPECT_EQ(tally.right, 2);
    EXPECT_EQ(tally.wrong, 0);
    EXPECT_EQ(tally.nothing, 1);
}

}  // namespace

namespace {

// A learned slot's text in the rc file: kept when its examples say nothing (strokes of a press
// only) or show nothing better, replaced when a new text does better on examples it was not
// learned from. Slot 1 is fixed with "br tr br", a text no other slot may take: the Ws' whole
// strokes are its, and slot 0 learns a text for the short ones.
TEST(Learner, KeepsASlotsTextUnlessANewOneDoesBetterAndNeverRepeatsAnother) {
    struct Case {
        const char* what;
        const char* current;
        std::vector<std::pair<int, const char*>> ways;
        const char* learned;
    } const cases[] = {
        {"press-only strokes", "br", {{0, ""}}, "0 for 0: br\n1 for 1: br tr br\n"},
        {"strokes that are its text", "br", {{0, "br"}}, "0 for 0: br\n1 for 1: br tr br\n"},
        {"strokes of another text", "tr", {{0, "rd"}}, "0 for 0: rd\n1 for 1: br tr br\n"},
        {"a text the rc file holds", "", {{0, "br tr br"}, {0, "br tr"}}, "0 for 0: tr\n1 for 1: br tr br\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LearnSetup setup;
        clearLearnSetup(setup);
        setup.roles[0] = kSlotLearned;
        setup.currentTexts[0] = c.current;
        setup.roles[1] = kSlotFixed;
        setup.fixedTexts[1] = "br tr br";
        SlotTexts learned;
        learnSlotTexts(threeOfEach(c.ways), setup, learned);
        EXPECT_EQ(describe(learned), c.learned);
    }
}

}  // namespace

namespace {

// Slot 0 is drawn "br tr" and "br": "tr" takes the first way, and the second needs a variant
// "br" in a free slot. Beside slot 1's two "ld br" it is safe while slot 1 has "ld" (slot 1
// wins the tie), but on the fifths that left one of slot 1's strokes out slot 1 had no text and
// the variant launched slot 0 for it: it did harm where it was not learned, so it is dropped.
// Beside slot 1's "ld rd" no other slot's stroke holds "br" or "tr": slot 0 takes one and
// keeps the other as a variant (and slot 1 one for its "rd").
TEST(Learner, KeepsAVariantOnlyWhenItPaidOnExamplesItWasNotLearnedFrom) {
    struct Case {
        const char* slotOne;
        const char* learned;
    } const cases[] = {
        {"ld br", "0 for 0: tr\n1 for 1: ld\n"},
        {"ld rd", "0 for 0: tr\n1 for 1: ld\n2 for 0: br\n"},  // rd launched no stroke as drawn
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slotOne);
        std::vector<LearnExample> examples = threeOfEach({{0, "br tr"}, {0, "br"}, {1, c.slotOne}});
        examples.pop_back();  // slot 1 has two strokes
        LearnSetup setup = slotsZeroAndOne();
        for (int slot = 2; slot < kGestureSlotCount; ++slot) setup.roles[slot] = kSlotFree;
        SlotTexts learned;
        learnSlotTexts(examples, setup, learned);
        EXPECT_EQ(describe(learned), c.learned);
    }
}

}  // namespace
