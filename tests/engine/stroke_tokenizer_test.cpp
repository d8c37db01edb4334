// Tokenizer tests: whole strokes in, the exact drawing requests and gesture text out.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/engine/stroke_recorder.h"

namespace {

std::string seg(int x1, int y1, int x2, int y2) {
    return "segment " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
           " " + std::to_string(y2) + " w3";
}
std::string dot(int x, int y, const char* label) {
    return "dot " + std::to_string(x) + " " + std::to_string(y) + " " + label + " w10";
}

struct StrokeCase {
    const char* name;
    std::vector<ScreenPoint> points;
    std::vector<std::string> requests;
    const char* gesture;
};

void PrintTo(const StrokeCase& c, std::ostream* os) { *os << c.name; }

class WholeStroke : public ::testing::TestWithParam<StrokeCase> {};

TEST_P(WholeStroke, GivesExactRequestsAndText) {
    const StrokeCase& c = GetParam();
    StrokeResult result = runStroke(c.points);
    EXPECT_EQ(result.requests, c.requests);
    EXPECT_EQ(result.gesture, c.gesture);
}

INSTANTIATE_TEST_SUITE_P(
    Tokenizer, WholeStroke,
    ::testing::Values(
        StrokeCase{"VLeftToRight",
                   {{200, 200}, {210, 210}, {220, 220}, {230, 230}, {240, 220}, {250, 210}, {260, 200}},
                   {seg(200, 200, 210, 210), seg(210, 210, 220, 220), seg(220, 220, 230, 230),
                    dot(230, 230, "br"), seg(230, 230, 240, 220), seg(240, 220, 250, 210),
                    seg(250, 210, 260, 200)},
                   "br"},
        StrokeCase{"Peak",
                   {{100, 100}, {110, 90}, {120, 80}, {130, 90}, {140, 100}},
                   {seg(100, 100, 110, 90), seg(110, 90, 120, 80), dot(120, 80, "tr"),
                    seg(120, 80, 130, 90), seg(130, 90, 140, 100)},
                   "tr"},
        StrokeCase{"W",
                   {{100, 100}, {110, 110}, {120, 120}, {130, 110}, {140, 100}, {150, 110}, {160, 120},
                    {170, 110}, {180, 100}},
                   {seg(100, 100, 110, 110), seg(110, 110, 120, 120), dot(120, 120, "br"),
                    seg(120, 120, 130, 110), seg(130, 110, 140, 100), dot(140, 100, "tr"),
                    seg(140, 100, 150, 110), seg(150, 110, 160, 120), dot(160, 120, "br"),
                    seg(160, 120, 170, 110), seg(170, 110, 180, 100)},
                   "br tr br"},
        StrokeCase{"GreaterThanDownward",
                   {{100, 100}, {110, 110}, {120, 120}, {110, 130}, {100, 140}},
                   {seg(100, 100, 110, 110), seg(110, 110, 120, 120), dot(120, 120, "rd"),
                    seg(120, 120, 110, 130), seg(110, 130, 100, 140)},
                   "rd"},
        StrokeCase{"LAlongTheAxes",
                   {{100, 100}, {100, 115}, {100, 130}, {115, 130}, {130, 130}},
                   {seg(100, 100, 100, 115), seg(100, 115, 100, 130), seg(100, 130, 115, 130),
                    seg(115, 130, 130, 130)},
                   ""},
        StrokeCase{"LWithRisingFoot",
                   {{100, 100}, {101, 115}, {102, 130}, {117, 129}, {132, 128}},
                   {seg(100, 100, 101, 115), seg(101, 115, 102, 130), dot(102, 130, "br"),
                    seg(102, 130, 117, 129), seg(117, 129, 132, 128)},
                   "br"},
        // dx = 0 counts as rightward, so a vertical stroke drifting left turns twice.
        StrokeCase{"VerticalDriftingLeft",
                   {{100, 100}, {99, 113}, {99, 126}, {98, 139}},
                   {seg(100, 100, 99, 113), dot(99, 113, "ld"), seg(99, 113, 99, 126),
                    dot(99, 126, "rd"), seg(99, 126, 98, 139)},
                   "ld rd"},
        // Reversing both axes at once is no corner, but the new senses are kept: the next
        // turn is judged against them.
        StrokeCase{"BothAxesReversedThenTurn",
                   {{100, 100}, {110, 110}, {120, 120}, {110, 110}, {100, 100}, {90, 110}},
                   {seg(100, 100, 110, 110), seg(110, 110, 120, 120), seg(120, 120, 110, 110),
                    seg(110, 110, 100, 100), dot(100, 100, "tl"), seg(100, 100, 90, 110)},
                   "tl"},
        // Small moves only lengthen the trail; the turn is judged from the anchor over the
        // whole move once it is long enough.
        StrokeCase{"SlowDragJudgedFromAnchor",
                   {{100, 100}, {105, 105}, {110, 110}, {115, 105}, {120, 100}, {125, 95}},
                   {seg(100, 100, 105, 105), seg(105, 105, 110, 110), seg(110, 110, 115, 105),
                    dot(110, 110, "br"), seg(115, 105, 120, 100), seg(120, 100, 125, 95)},
                   "br"},
        // The four remaining tokens.
        StrokeCase{"EveryOtherToken",
                   {{300, 300}, {290, 290}, {280, 280}, {270, 290}, {260, 300}, {250, 290},
                    {240, 280}, {250, 270}, {260, 260}, {250, 250}, {240, 240}},
                   {seg(300, 300, 290, 290), seg(290, 290, 280, 280), dot(280, 280, "tl"),
                    seg(280, 280, 270, 290), seg(270, 290, 260, 300), dot(260, 300, "bl"),
                    seg(260, 300, 250, 290), seg(250, 290, 240, 280), dot(240, 280, "lu"),
                    seg(240, 280, 250, 270), seg(250, 270, 260, 260), dot(260, 260, "ru"),
                    seg(260, 260, 250, 250), seg(250, 250, 240, 240)},
                   "tl bl lu ru"}),
    [](const ::testing::TestParamInfo<StrokeCase>& info) { return std::string(info.param.name); });

// Distance threshold: accepted when the truncated distance from the anchor exceeds 12.
struct StepCase {
    int dx, dy;
    bool accepted;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << "(" << c.dx << ", " << c.dy << ")"; }

class StepThreshold : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepThreshold, MovesTheAnchorOnlyWhenAccepted) {
    const StepCase& c = GetParam();
    CaptureState state = {};
    state.capturing = true;
    StrokeSink none = {nullptr, nullptr};
    beginStroke(state, {500, 500});
    addStrokeSample(state, {500 + c.dx, 500 + c.dy}, none);
    EXPECT_EQ(state.previousSample.x, 500 + c.dx);
    EXPECT_EQ(state.previousSample.y, 500 + c.dy);
    if (c.accepted) {
        EXPECT_EQ(state.anchor.x, 500 + c.dx);
        EXPECT_EQ(state.anchor.y, 500 + c.dy);
        EXPECT_EQ(state.previousHorizontalSense, c.dx >= 0 ? 1 : 0);
        EXPECT_EQ(state.previousVerticalSense, c.dy >= 0 ? 1 : 0);
    } else {
        EXPECT_EQ(state.anchor.x, 500);
        EXPECT_EQ(state.anchor.y, 500);
        EXPECT_EQ(state.previousHorizontalSense, kNoSense);
        EXPECT_EQ(state.previousVerticalSense, kNoSense);
    }
}

INSTANTIATE_TEST_SUITE_P(Tokenizer, StepThreshold,
                         ::testing::Values(StepCase{12, 5, true}, StepCase{12, 4, false},
                                           StepCase{9, 9, false}, StepCase{0, 12, false},
                                           StepCase{10, 9, true}, StepCase{13, 0, true},
                                           StepCase{-13, 0, true}, StepCase{0, -12, false},
                                           StepCase{-5, -12, true}, StepCase{0, 0, false}));

TEST(Tokenizer, SamplesWhileNotCapturingOnlyDrawTheTrail) {
    StrokeResult result = runStroke({{100, 100}, {110, 90}, {120, 80}, {130, 90}, {140, 100}}, false);
    EXPECT_EQ(result.requests, (std::vector<std::string>{seg(100, 100, 110, 90), seg(110, 90, 120, 80),
                                                         seg(120, 80, 130, 90),
                                                         seg(130, 90, 140, 100)}));
    EXPECT_EQ(result.gesture, "");
}

TEST(Tokenizer, ManyShortMovesNeverMoveTheAnchor) {
    std::vector<ScreenPoint> points = {{400, 400}};
    for (int i = 0; i < 200; ++i) points.push_back({400 + (i % 13) - 6, 400 + (i % 7) - 3});
    CaptureState state = {};
    state.capturing = true;
    StrokeSink none = {nullptr, nullptr};
    beginStroke(state, points[0]);
    for (size_t i = 1; i < points.size(); ++i) addStrokeSample(state, points[i], none);
    EXPECT_EQ(state.anchor.x, 400);
    EXPECT_EQ(state.anchor.y, 400);
    EXPECT_STREQ(endStroke(state), "");
}

// A zigzag with n bottom and top turns: "br tr br tr ..." from its second corner on.
std::vector<ScreenPoint> zigzag(int corners) {
    std::vector<ScreenPoint> points = {{0, 0}};
    int x = 0;
    for (int leg = 0; leg <= corners; ++leg) {
        int y = leg % 2 == 0 ? 20 : 0;  // down, up, down, ...
        x += 20;
        points.push_back({x, y});
    }
    return points;
}

std::string alternatingTokens(int from, int count) {
    std::string text;
    for (int i = from; i < from + count; ++i) {
        if (!text.empty()) text += ' ';
        text += i % 2 == 0 ? "br" : "tr";
    }
    return text;
}

TEST(Tokenizer, ThirtyThreeCornersFillTheText) {
    StrokeResult result = runStroke(zigzag(33));
    EXPECT_EQ(result.gesture, alternatingTokens(0, 33));
    EXPECT_EQ(result.gesture.size(), 98u);
}

TEST(Tokenizer, TheThirtyFourthCornerStartsAFreshText) {
    StrokeResult result = runStroke(zigzag(34));
    EXPECT_EQ(result.gesture, alternatingTokens(33, 1));
    StrokeResult longer = runStroke(zigzag(40));
    EXPECT_EQ(longer.gesture, alternatingTokens(33, 7));
}

TEST(Tokenizer, AFullTextIsEmptiedEvenWhenNoCornerFollows) {
    // 33 corners, then a straight accepted step: the text is emptied before the token tests.
    std::vector<ScreenPoint> points = zigzag(33);
    ScreenPoint last = points.back();
    points.push_back({last.x + 20, last.y + (last.y == 0 ? -20 : 20)});
    StrokeResult result = runStroke(points);
    EXPECT_EQ(result.gesture, "");
}

TEST(Tokenizer, BeginStrokeForgetsTheLastCapture) {
    CaptureState state = {};
    state.capturing = true;
    StrokeSink none = {nullptr, nullptr};
    beginStroke(state, {100, 100});
    for (ScreenPoint p : std::vector<ScreenPoint>{{110, 90}, {120, 80}, {130, 90}}) addStrokeSample(state, p, none);
    EXPECT_STREQ(endStroke(state), "tr");
    beginStroke(state, {10, 10});
    EXPECT_STREQ(state.gestureText, "");
    EXPECT_EQ(state.previousHorizontalSense, kNoSense);
    EXPECT_EQ(state.previousVerticalSense, kNoSense);
    // The first accepted sample of the new stroke yields nothing, whatever came before.
    addStrokeSample(state, {20, 20}, none);
    EXPECT_STREQ(endStroke(state), "");
}

TEST(Tokenizer, EndStrokeDropsOnlyTheTrailingBlank) {
    CaptureState state = {};
    std::strcpy(state.gestureText, "tr ");
    EXPECT_STREQ(endStroke(state), "tr");
    state.gestureText[0] = '\0';
    EXPECT_STREQ(endStroke(state), "");
    EXPECT_STREQ(endStroke(state), "");
}

// Far-apart points must neither overflow nor wrap into a small distance.
struct DistanceCase {
    ScreenPoint a, b;
    int64_t distance;
};

void PrintTo(const DistanceCase& c, std::ostream* os) { *os << c.distance; }

class Distance : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(Distance, IsTruncatedAndExact) {
    EXPECT_EQ(truncatedDistance(GetParam().a, GetParam().b), GetParam().distance);
    EXPECT_EQ(truncatedDistance(GetParam().b, GetParam().a), GetParam().distance);
}

INSTANTIATE_TEST_SUITE_P(
    Tokenizer, Distance,
    ::testing::Values(DistanceCase{{0, 0}, {12, 5}, 13}, DistanceCase{{0, 0}, {12, 4}, 12},
                      DistanceCase{{0, 0}, {9, 9}, 12}, DistanceCase{{-3, -3}, {-3, -3}, 0},
                      // Squares beyond 32 bits: 46341^2 overflowed a plain int.
                      DistanceCase{{0, 0}, {46341, 0}, 46341},
                      DistanceCase{{0, 0}, {65536, 65536}, 92681},
                      DistanceCase{{-1000000, 3}, {2000000, 4000003}, 5000000}));

TEST(Tokenizer, DistancesAcrossTheWholeCoordinateRangeStayHuge) {
    // The squares of these differences need 64 bits and their sum more.
    EXPECT_NEAR(static_cast<double>(truncatedDistance({INT32_MIN, 0}, {INT32_MAX, 0})), 4294967295.0, 1.0);
    EXPECT_NEAR(static_cast<double>(truncatedDistance({INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX})),
                6074000999.95, 2.0);
}

TEST(Tokenizer, FarJumpsAreAcceptedNotWrapped) {
    // With a 32-bit square, (65536, 0) wraps to 0 and would be rejected as no move at all.
    StrokeResult result = runStroke({{0, 0}, {65536, 65536}, {131072, 0}, {196608, 65536}});
    EXPECT_EQ(result.gesture, "br tr");
}

TEST(Tokenizer, TokenTableIsInTestOrder) {
    const char* expected[] = {"tr", "tl", "br", "bl", "rd", "ru", "ld", "lu"};
    for (int i = 0; i < kCornerTokenCount; ++i) {
        EXPECT_STREQ(kCornerTokens[i].label, expected[i]);
        EXPECT_EQ(std::string(kCornerTokens[i].text), std::string(expected[i]) + " ");
    }
}

}  // namespace
