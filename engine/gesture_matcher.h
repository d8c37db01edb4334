// Gesture matcher: scores a finished gesture text against the 25 configured slots.
#pragma once

#include <cstddef>

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

// The shortest text that scores enough when it occurs in an input of `inputLength` bytes: the
// matcher's own single-precision comparison, so that callers counting lengths (the learner)
// accept exactly what the plugin accepts.
size_t minimumAcceptedLength(size_t inputLength);

// For one input a longer occurring text scores higher; equal lengths tie, and the lower slot
// wins the tie. Whether a text of `length` in `slot` is chosen over one of `otherLength` in
// `otherSlot` (kNoSlot: none yet).
inline bool outranks(size_t length, int slot, size_t otherLength, int otherSlot) {
    return otherSlot == kNoSlot || length > otherLength || (length == otherLength && slot < otherSlot);
}

// The slot with the highest acceptable score, the lowest such slot on a tie, or kNoSlot.
int findBestSlot(const GestureTable& table, const char* input);

// Whether slots `a` and `b` start the same thing: the same command with the same argument.
bool sameLaunch(const GestureTable& table, int a, int b);
