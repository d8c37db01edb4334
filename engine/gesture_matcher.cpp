// Gesture matcher: containment and length-ratio scoring in single precision.
#include "engine/gesture_matcher.h"

#include <cstring>

void clearGestureTable(GestureTable& table) {
    std::memset(&table, 0, sizeof table);
}

// The 32-bit x87 build may keep a quotient in an 80-bit register, where it would compare
// differently from the same score on other builds. A store to memory rounds it to float.
static float roundToSingle(double value) {
    volatile float rounded = static_cast<float>(value);
    return rounded;
}

static float lengthRatio(size_t gestureLength, size_t inputLength) {
    return roundToSingle(static_cast<double>(gestureLength) / static_cast<double>(inputLength));
}

// Plain byte search; with both lengths known only the n - g + 1 possible starts are tried.
static bool occursIn(const char* input, size_t inputLength, const char* gesture, size_t gestureLength) {
    if (gestureLength == 0) return true;
    if (gestureLength > inputLength) return false;
    const char* last = input + (inputLength - gestureLength);
    for (const char* at = input; at <= last; ++at) {
        at = static_cast<const char*>(std::memchr(at, gesture[0], static_cast<size_t>(last - at) + 1));
        if (!at) return false;
        if (std::memcmp(at, gesture, gestureLength) == 0) return true;
    }
    return false;
}

float gestureScore(const char* input, const char* gesture) {
    size_t inputLength = std::strlen(input);
    size_t gestureLength = std::strlen(gesture);
    if (!occursIn(input, inputLength, gesture, gestureLength)) return 0.0f;
    return lengthRatio(gestureLength, inputLength);
}

size_t minimumAcceptedLength(size_t inputLength) {
    if (inputLength == 0) return 0;
    size_t length = inputLength * 3 / 10;
    while (length > 0 && static_cast<double>(lengthRatio(length - 1, inputLength)) >= kAcceptanceThreshold) --length;
    while (static_cast<double>(lengthRatio(length, inputLength)) < kAcceptanceThreshold) ++length;
    return length;
}

int findBestSlot(const GestureTable& table, const char* input) {
    size_t inputLength = std::strlen(input);
    if (inputLength == 0) return kNoSlot;
    size_t shortest = minimumAcceptedLength(inputLength);
    int chosen = kNoSlot;
    size_t chosenLength = 0;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        const char* gesture = table.gestures[slot];
        // Judging the length first leaves the substring search to the few slots that could win.
        size_t gestureLength = std::strlen(gesture);
        if (gestureLength < shortest) continue;
        if (!outranks(gestureLength, slot, chosenLength, chosen)) continue;
        if (!occursIn(input, inputLength, gesture, gestureLength)) continue;
        chosen = slot;
        chosenLength = gestureLength;
    }
    return chosen;
}

bool sameLaunch(const GestureTable& table, int a, int b) {
    return std::strcmp(table.commands[a], table.commands[b]) == 0 &&
           std::strcmp(table.arguments[a], table.arguments[b]) == 0;
}
