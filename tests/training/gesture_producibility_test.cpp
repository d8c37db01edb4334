// Producible gesture texts: canonical strokes round-trip through the real tokenizer, and the
// producible texts are exactly those some stroke yields.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "training/gesture_producibility.h"
#include "tests/engine/stroke_recorder.h"

namespace {

// Every well-formed text of up to `maxTokens` tokens.
void allTexts(const std::string& prefix, int depth, int maxTokens, std::vector<std::string>& out) {
    if (depth == maxTokens) return;
    for (const CornerToken& token : kCornerTokens) {
        std::string text = prefix.empty() ? token.label : prefix + " " + token.label;
        out.push_back(text);
        allTexts(text, depth + 1, maxTokens, out);
    }
}

TEST(GestureProducibility, CanonicalStrokesGiveTheirTextBack) {
    std::vector<std::string> texts;
    allTexts("", 0, 4, texts);
    int producible = 0;
    for (const std::string& text : texts) {
        if (!isProducible(text.c_str())) continue;
        ++producible;
        ScreenPoint points[kMaxCanonicalPoints];
        int n = canonicalStroke(text.c_str(), points);
        ASSERT_GT(n, 1) << text;
        EXPECT_EQ(runStroke(std::vector<ScreenPoint>(points, points + n)).gesture, text);
    }
    // 8 first tokens, each followed by one of 4.
    EXPECT_EQ(producible, 8 + 32 + 128 + 512);
}

// Only the senses of an accepted step matter, so strokes of diagonal steps in the four
// directions reach every text a stroke can produce; eight steps reach every one of up to four
// tokens.
void walk(std::vector<ScreenPoint>& points, int steps, std::set<std::string>& seen) {
    std::string text = runStroke(points).gesture;
    if (text.size() <= 11) seen.insert(text);
    if (steps == 0) return;
    static const int kDirections[4][2] = {{20, 20}, {20, -20}, {-20, 20}, {-20, -20}};
    for (const auto& d : kDirections) {
        points.push_back({points.back().x + d[0], points.back().y + d[1]});
        walk(points, steps - 1, seen);
        points.pop_back();
    }
}

TEST(GestureProducibility, ProducibleTextsAreExactlyThoseStrokesYield) {
    std::set<std::string> seen;
    std::vector<ScreenPoint> points = {{500, 500}};
    walk(points, 8, seen);
    std::vector<std::string> texts;
    allTexts("", 0, 4, texts);
    texts.push_back("");
    std::set<std::string> producible;
    for (const std::string& text : texts)
        if (isProducible(text.c_str())) producible.insert(text);
    EXPECT_EQ(producible, seen);
}

TEST(GestureProducibility, RefusesMalformedTexts) {
    EXPECT_TRUE(isProducible("br tr"));
    EXPECT_FALSE(isProducible("tr tr"));
    EXPECT_FALSE(isProducible("tr bl"));
    for (const char* text : {"tr  br", " tr", "tr ", "TR", "tx", "t", "tr,br", "trbr"})
        EXPECT_FALSE(isProducible(text)) << text;
}

}  // namespace
