// Stroke tokenizer: turns pointer samples of one capture into corner tokens and drawing requests.
#pragma once

#include <cstdint>

struct ScreenPoint {
    int32_t x;
    int32_t y;
};

// Senses as stored in the capture state. A move with no motion on an axis counts as
// rightward (horizontal) or downward (vertical).
enum : int32_t {
    kNoSense = -1,
    kLeftwardOrUpward = 0,
    kRightwardOrDownward = 1,
};

// A sample is accepted only when its distance from the anchor, truncated to whole pixels,
// exceeds this many pixels.
constexpr int32_t kMinimumStepPixels = 12;

// A GestureText holds whole three-character tokens ("tr ") and its terminator.
constexpr int kGestureTextSize = 100;
constexpr int kTokenTextLength = 3;

enum TokenTest : int32_t { kHorizontalKept, kVerticalKept };

struct CornerToken {
    char text[kTokenTextLength + 1];  // appended to the GestureText, e.g. "tr "
    char label[kTokenTextLength];     // tip label beside the corner dot, e.g. "tr"
    TokenTest test;                   // which sense must be kept
    int32_t keptSense;                // value of the kept sense
    int32_t otherPrevious;            // the other sense before the corner...
    int32_t otherNow;                 // ...and after it
};

constexpr int kCornerTokenCount = 8;
// In the order the tests are made; the conditions exclude one another.
extern const CornerToken kCornerTokens[kCornerTokenCount];

enum DrawKind : int32_t { kTrailSegment, kCornerDot };

// Pen widths in pixels; the colour of each kind comes from the host style, not from here.
constexpr int32_t kTrailPenWidth = 3;
constexpr int32_t kCornerPenWidth = 10;

struct DrawRequest {
    DrawKind kind;
    ScreenPoint from;
    ScreenPoint to;
    int32_t penWidth;
    const char* label;  // two letters for a corner dot, null for a trail segment
};

// Where drawing requests go; a null draw function discards them.
struct StrokeSink {
    void (*draw)(void* context, const DrawRequest& request);
    void* context;
};

struct CaptureState {
    bool capturing;                   // owned by the hook code; samples are only judged while set
    ScreenPoint anchor;               // last accepted sample; distances are measured from here
    ScreenPoint previousSample;       // last sample received; the next trail segment starts here
    int32_t previousHorizontalSense;  // senses of the move that led to the anchor,
    int32_t previousVerticalSense;    // both kNoSense or neither
    char gestureText[kGestureTextSize];
};

void beginStroke(CaptureState& state, ScreenPoint start);
void addStrokeSample(CaptureState& state, ScreenPoint sample, const StrokeSink& sink);
// Finishes the GestureText (drops the blank after the last token) and returns it.
const char* endStroke(CaptureState& state);

// Distance from a to b in whole pixels, truncated toward zero. Exact for any distance a screen
// can show; across the whole 32-bit range it may be a pixel off, but never wraps.
int64_t truncatedDistance(ScreenPoint a, ScreenPoint b);
