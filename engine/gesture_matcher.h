// Gesture matcher: scores a finished gesture text against the 25 configured slots.
#pragma once

constexpr int kGestureSlotCount = 25;
constexpr int kSlotTextSize = 100;  // 99 characters and the terminator
constexpr int kNoSlot = -1;

// Three parallel arrays indexed by slot number; a slot with an empty gesture is empty.
struct GestureTable {
    char gestures[kGestureSlotCount][kSlotTextSize];
    char commands[kGestureSlotCount][kSlotTextSize];
    char arguments[kGestureSlotCount][kSlotTextSize];
};

// Smallest score a slot needs to be chosen; compared in double precision, inclusive.
constexpr double kAcceptanceThreshold = 0.3;

void clearGestureTable(GestureTable& table);

// Length of `gesture` over length of `input` in single precision when `gesture` occurs in
// `input` as a run of bytes, else 0. `input` must not be empty.
float gestureScore(const char* input, const char* gesture);

// The slot with the highest acceptable score, the lowest such slot on a tie, or kNoSlot.
int findBestSlot(const GestureTable& table, const char* input);
