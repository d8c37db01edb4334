// Stroke tokenizer: the corner-token table and the per-sample state machine.
#include "engine/stroke_tokenizer.h"

#include <cmath>
#include <cstring>

const CornerToken kCornerTokens[kCornerTokenCount] = {
    // text   label  test            kept  other: previous -> now
    {"tr ", "tr", kHorizontalKept, 1, 0, 1},  // topmost point, passed moving right
    {"tl ", "tl", kHorizontalKept, 0, 0, 1},  // topmost point, passed moving left
    {"br ", "br", kHorizontalKept, 1, 1, 0},  // bottommost point, passed moving right
    {"bl ", "bl", kHorizontalKept, 0, 1, 0},  // bottommost point, passed moving left
    {"rd ", "rd", kVerticalKept, 1, 1, 0},    // rightmost point, passed moving down
    {"ru ", "ru", kVerticalKept, 0, 1, 0},    // rightmost point, passed moving up
    {"ld ", "ld", kVerticalKept, 1, 0, 1},    // leftmost point, passed moving down
    {"lu ", "lu", kVerticalKept, 0, 0, 1},    // leftmost point, passed moving up
};

static uint64_t magnitude(int64_t value) {
    return static_cast<uint64_t>(value < 0 ? -value : value);
}

int64_t truncatedDistance(ScreenPoint a, ScreenPoint b) {
    // Differences of 32-bit coordinates need 33 bits and their squares up to 64, so a plain
    // int product overflows beyond 46340 pixels. The squares are exact in unsigned 64 bits;
    // only a sum past 2^64, which no screen produces, is added in floating point instead.
    uint64_t dx = magnitude(static_cast<int64_t>(b.x) - a.x);
    uint64_t dy = magnitude(static_cast<int64_t>(b.y) - a.y);
    uint64_t squareX = dx * dx;
    uint64_t squareY = dy * dy;
    double squared = squareX > UINT64_MAX - squareY
                         ? static_cast<double>(squareX) + static_cast<double>(squareY)
                         : static_cast<double>(squareX + squareY);
    return static_cast<int64_t>(std::sqrt(squared));
}

static void emit(const StrokeSink& sink, DrawKind kind, ScreenPoint from, ScreenPoint to,
                 const char* label) {
    if (!sink.draw) return;
    DrawRequest request;
    request.kind = kind;
    request.from = from;
    request.to = to;
    request.penWidth = kind == kCornerDot ? kCornerPenWidth : kTrailPenWidth;
    request.label = label;
    sink.draw(sink.context, request);
}

void beginStroke(CaptureState& state, ScreenPoint start) {
    state.anchor = start;
    state.previousSample = start;
    state.previousHorizontalSense = kNoSense;
    state.previousVerticalSense = kNoSense;
    state.gestureText[0] = '\0';
}

static void appendCorner(CaptureState& state, const CornerToken& token, const StrokeSink& sink) {
    size_t length = std::strlen(state.gestureText);
    std::memcpy(state.gestureText + length, token.text, kTokenTextLength + 1);
    emit(sink, kCornerDot, state.anchor, state.anchor, token.label);
}

// Looks for the row whose kept sense is `kept` and whose other sense went previous -> now.
static const CornerToken* findCorner(TokenTest test, int32_t kept, int32_t previous, int32_t now) {
    for (const CornerToken& token : kCornerTokens) {
        if (token.test == test && token.keptSense == kept && token.otherPrevious == previous &&
            token.otherNow == now)
            return &token;
    }
    return nullptr;
}

void addStrokeSample(CaptureState& state, ScreenPoint sample, const StrokeSink& sink) {
    if (!state.capturing || truncatedDistance(state.anchor, sample) <= kMinimumStepPixels) {
        emit(sink, kTrailSegment, state.previousSample, sample, nullptr);
        state.previousSample = sample;
        return;
    }

    // A text of 33 tokens has no room for another: the stroke starts a fresh text, and this
    // happens on the accepted sample whether or not it turns out to be a corner.
    if (std::strlen(state.gestureText) + kTokenTextLength + 1 > sizeof state.gestureText)
        state.gestureText[0] = '\0';

    int32_t h = sample.x >= state.anchor.x ? kRightwardOrDownward : kLeftwardOrUpward;
    int32_t v = sample.y >= state.anchor.y ? kRightwardOrDownward : kLeftwardOrUpward;

    if (h == state.previousHorizontalSense) {
        if (const CornerToken* token = findCorner(kHorizontalKept, h, state.previousVerticalSense, v))
            appendCorner(state, *token, sink);
    }
    if (v == state.previousVerticalSense) {
        if (const CornerToken* token = findCorner(kVerticalKept, v, state.previousHorizontalSense, h))
            appendCorner(state, *token, sink);
    }

    emit(sink, kTrailSegment, state.previousSample, sample, nullptr);
    state.previousSample = sample;
    state.anchor = sample;
    state.previousHorizontalSense = h;
    state.previousVerticalSense = v;
}

const char* endStroke(CaptureState& state) {
    size_t length = std::strlen(state.gestureText);
    if (length > 0) state.gestureText[length - 1] = '\0';
    return state.gestureText;
}
