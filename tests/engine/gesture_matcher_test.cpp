// Matcher tests: scores and the chosen slot for whole gesture tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "engine/gesture_matcher.h"

namespace {

GestureTable tableWith(const std::vector<std::pair<int, const char*>>& gestures) {
    GestureTable table;
    clearGestureTable(table);
    for (const auto& slot : gestures) std::strcpy(table.gestures[slot.first], slot.second);
    return table;
}

struct MatchCase {
    const char* name;
    std::vector<std::pair<int, const char*>> gestures;
    const char* input;
    int slot;
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

class BestSlot : public ::testing::TestWithParam<MatchCase> {};

TEST_P(BestSlot, IsChosen) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(findBestSlot(tableWith(c.gestures), c.input), c.slot);
}

INSTANTIATE_TEST_SUITE_P(
    Matcher, BestSlot,
    ::testing::Values(
        MatchCase{"WorkedExample", {{0, "tr"}, {1, "tr bl"}, {2, "bl rd"}}, "tr bl rd", 1},
        MatchCase{"LongerTextThatDoesNotOccur", {{0, "tr bl rd lu"}, {1, "tr bl"}, {2, "bl rd"}}, "tr bl rd", 1},
        MatchCase{"EmptyInputChoosesNothing", {{0, "tr"}, {1, "tr bl"}}, "", kNoSlot},
        MatchCase{"AllSlotsEmpty", {}, "tr bl rd", kNoSlot},
        MatchCase{"ExactTextWins", {{4, "br"}, {7, "br tr"}}, "br tr", 7},
        MatchCase{"LowerSlotKeepsAnEqualText", {{3, "br tr"}, {9, "br tr"}}, "br tr", 3},
        MatchCase{"OneCharacterLongerScoresZero", {{0, "br tr "}}, "br tr", kNoSlot},
        MatchCase{"ThreeTenthsIsAccepted", {{5, "r b"}}, "tr br ld r", 5},
        MatchCase{"ThreeEleventhsIsRejected", {{5, "r b"}}, "tr br ld rd", kNoSlot},
        MatchCase{"TwoSeventhsIsRejected", {{5, "rd"}}, "tr bl rd", kNoSlot},
        MatchCase{"EqualLengthsTieToTheLowerSlot", {{2, "bl rd"}, {1, "tr bl"}}, "tr bl rd", 1},
        MatchCase{"CaseSensitive", {{0, "TR"}}, "tr bl", kNoSlot},
        MatchCase{"IgnoresTokenBoundaries", {{0, "r b"}}, "tr bl", 0},
        MatchCase{"TrailingBlankOccursInside", {{0, "tr "}}, "tr bl", 0},
        MatchCase{"TrailingBlankNeverAtTheEnd", {{0, "tr "}}, "bl tr", kNoSlot},
        MatchCase{"LongestOccurringWins", {{0, "tr"}, {1, "tr bl"}, {2, "lu lu lu lu lu lu"}, {3, "bl"}}, "tr bl", 1},
        MatchCase{"LastSlotCounts", {{24, "ld"}}, "ld", 24}),
    [](const ::testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });

struct ScoreCase {
    const char* input;
    const char* gesture;
    float score;
};

void PrintTo(const ScoreCase& c, std::ostream* os) { *os << c.gesture << " in " << c.input; }

class Score : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(Score, IsTheLengthRatioWhenContained) {
    EXPECT_EQ(gestureScore(GetParam().input, GetParam().gesture), GetParam().score);
}

INSTANTIATE_TEST_SUITE_P(Matcher, Score,
                         ::testing::Values(ScoreCase{"tr bl rd", "tr", 0.25f},
                                           ScoreCase{"tr bl rd", "tr bl", 0.625f},
                                           ScoreCase{"tr bl rd", "tr bl rd", 1.0f},
                                           ScoreCase{"tr bl rd", "", 0.0f},
                                           ScoreCase{"tr bl rd", "lu", 0.0f},
                                           ScoreCase{"tr bl", "r b", 0.6f},
                                           ScoreCase{"tr br ld r", "r b", 0.3f},
                                           ScoreCase{"tr bl rd", "tr bl rd lu", 0.0f},
                                           // Occurrences after a false start, and at the very end.
                                           ScoreCase{"tr tr br", "tr br", 0.625f},
                                           ScoreCase{"r rd", "rd", 0.5f},
                                           ScoreCase{"ld ld", "d l", 0.6f},
                                           ScoreCase{"ld ld", "d ld", 0.8f},
                                           ScoreCase{"ld ld", "ld lu", 0.0f}));

TEST(Matcher, ThresholdIsTheIntegerRuleForEveryLength) {
    // Acceptance of gesture length g in input length n is exactly 10 g >= 3 n for all texts
    // the tokenizer can make, the ratios 3/10, 6/20, ..., 27/90 included.
    for (int n = 1; n <= 99; ++n) {
        std::string input(n, 'a');
        for (int g = 1; g <= n; ++g) {
            GestureTable table = tableWith({});
            std::memset(table.gestures[0], 'a', g);
            table.gestures[0][g] = '\0';
            int expected = 10 * g >= 3 * n ? 0 : kNoSlot;
            ASSERT_EQ(findBestSlot(table, input.c_str()), expected) << "g=" << g << " n=" << n;
        }
    }
}

TEST(Matcher, ThreeTenthsScoreIsRoundedToSinglePrecision) {
    float score = gestureScore("0123456789", "345");
    EXPECT_EQ(static_cast<double>(score), 0.300000011920928955078125);
    EXPECT_GT(static_cast<double>(score), kAcceptanceThreshold);
}

// What the learner counts with: the shortest accepted text, for inputs far longer than a capture.
TEST(Matcher, TheShortestAcceptedLengthIsThreeTenthsRoundedUp) {
    for (size_t n = 1; n <= 5000; ++n) ASSERT_EQ(minimumAcceptedLength(n), (3 * n + 9) / 10) << "n=" << n;
}

}  // namespace
