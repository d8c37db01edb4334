// trazzle-check: SVG cheat sheets: a card per configured slot, or one per corner token.
#include <algorithm>
#include <cstring>

#include "training/gesture_producibility.h"
#include "training/checker.h"

namespace {

constexpr int kCardWidth = 220;
constexpr int kCardHeight = 250;
constexpr int kColumns = 4;
constexpr int kDrawLeft = 25, kDrawTop = 50, kDrawWidth = 170, kDrawHeight = 140;

// Markup escaped, and what XML cannot hold at all (control characters, bytes that are not
// UTF-8) shown as \xNN, so any text from the rc file makes a sheet that parses.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : printableText(text)) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

// The pad's own drawing requests for the canonical stroke, so the card shows what the pad does.
void collect(void* context, const DrawRequest& request) {
    static_cast<std::vector<DrawRequest>*>(context)->push_back(request);
}

void drawStroke(std::string& svg, int left, int top, const char* gesture) {
    ScreenPoint points[kMaxCanonicalPoints];
    int n = canonicalStroke(gesture, points);
    std::vector<DrawRequest> requests;
    StrokeSink sink = {collect, &requests};
    CaptureState state = {};
    state.capturing = true;
    beginStroke(state, points[0]);
    for (int i = 1; i < n; ++i) addStrokeSample(state, points[i], sink);

    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < n; ++i) {
        minX = std::min(minX, points[i].x), maxX = std::max(maxX, points[i].x);
        minY = std::min(minY, points[i].y), maxY = std::max(maxY, points[i].y);
    }
    double scale = std::min({1.5, kDrawWidth / std::max(1.0, double(maxX - minX)),
                             kDrawHeight / std::max(1.0, double(maxY - minY))});
    double offsetX = left + kDrawLeft + (kDrawWidth - (maxX - minX) * scale) / 2 - minX * scale;
    double offsetY = top + kDrawTop + (kDrawHeight - (maxY - minY) * scale) / 2 - minY * scale;
    auto X = [&](int x) { return offsetX + x * scale; };
    auto Y = [&](int y) { return offsetY + y * scale; };

    svg += textf("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"4\" fill=\"#3a8a3a\"/>\n", X(points[0].x),
                 Y(points[0].y));
    for (const DrawRequest& r : requests)
        if (r.kind == kTrailSegment)
            svg += textf("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#1e2e4a\" "
                         "stroke-width=\"3\" marker-end=\"url(#arrow)\"/>\n",
                         X(r.from.x), Y(r.from.y), X(r.to.x), Y(r.to.y));
    for (const DrawRequest& r : requests)
        if (r.kind == kCornerDot)
            svg += textf("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"6\" fill=\"#ffc040\" stroke=\"#806020\"/>\n"
                         "<text x=\"%.1f\" y=\"%.1f\" font-size=\"13\" font-weight=\"bold\">%s</text>\n",
                         X(r.from.x), Y(r.from.y), X(r.from.x) + 8, Y(r.from.y) - 8, r.label);
}

void drawCard(std::string& svg, int index, const std::string& title, const char* gesture,
              const std::string& footer) {
    int left = (index % kColumns) * kCardWidth, top = (index / kColumns) * kCardHeight;
    svg += textf("<g class=\"card\">\n<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" rx=\"8\" "
                 "fill=\"#f4f6fa\" stroke=\"#4a6a9a\"/>\n",
                 left + 5, top + 5, kCardWidth - 10, kCardHeight - 10);
    svg += textf("<text x=\"%d\" y=\"%d\" font-size=\"13\" fill=\"#4a6a9a\">%s</text>\n", left + 15,
                 top + 24, escaped(title).c_str());
    svg += textf("<text x=\"%d\" y=\"%d\" font-size=\"15\" font-family=\"monospace\" "
                 "font-weight=\"bold\">%s</text>\n",
                 left + 15, top + 42, escaped(gesture).c_str());
    if (isProducible(gesture))
        drawStroke(svg, left, top, gesture);
    else
        svg += textf("<text x=\"%d\" y=\"%d\" font-size=\"14\" fill=\"#b02020\">no stroke can "
                     "draw this text</text>\n",
                     left + 15, top + 120);
    svg += textf("<text x=\"%d\" y=\"%d\" font-size=\"13\">%s</text>\n</g>\n", left + 15,
                 top + kCardHeight - 22, escaped(footer).c_str());
}

bool writeSheet(const char* path, const std::string& cards, int count) {
    int rows = std::max(1, (count + kColumns - 1) / kColumns);
    std::string svg = textf(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
        "font-family=\"sans-serif\">\n<defs><marker id=\"arrow\" viewBox=\"0 0 10 10\" refX=\"9\" "
        "refY=\"5\" markerWidth=\"5\" markerHeight=\"5\" orient=\"auto\"><path d=\"M0,0 L10,5 "
        "L0,10 z\" fill=\"#1e2e4a\"/></marker></defs>\n<rect width=\"100%%\" height=\"100%%\" "
        "fill=\"white\"/>\n",
        kColumns * kCardWidth, rows * kCardHeight);
    svg += cards;
    svg += "</svg>\n";
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    bool ok = std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace

bool writeSlotSheet(const GestureTable& table, const char* path) {
    std::string cards;
    int count = 0;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        if (table.gestures[slot][0] == '\0') continue;
        drawCard(cards, count++, textf("slot %d", slot), table.gestures[slot],
                 slotFileName(table, slot));
    }
    return writeSheet(path, cards, count);
}

bool writeTokenSheet(const char* path) {
    static const char* const kMeaning[kCornerTokenCount] = {
        "top, passed moving right",   "top, passed moving left",
        "bottom, passed moving right", "bottom, passed moving left",
        "right edge, passed moving down", "right edge, passed moving up",
        "left edge, passed moving down",  "left edge, passed moving up"};
    std::string cards;
    for (int i = 0; i < kCornerTokenCount; ++i)
        drawCard(cards, i, "corner token", kCornerTokens[i].label, kMeaning[i]);
    return writeSheet(path, cards, kCornerTokenCount);
}
