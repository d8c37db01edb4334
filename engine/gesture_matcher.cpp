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

float gestureScore(const char* input, const char* gesture) {
    if (!std::strstr(input, gesture)) return 0.0f;
    return roundToSingle(static_cast<double>(std::strlen(gesture)) /
                         static_cast<double>(std::strlen(input)));
}

int findBestSlot(const GestureTable& table, const char* input) {
    if (input[0] == '\0') return kNoSlot;
    int chosen = kNoSlot;
    float best = 0.0f;
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        float score = gestureScore(input, table.gestures[slot]);
        if (static_cast<double>(score) < kAcceptanceThreshold) continue;
        if (!(score > best)) continue;  // ties keep the lower slot
        chosen = slot;
        best = score;
    }
    return chosen;
}
