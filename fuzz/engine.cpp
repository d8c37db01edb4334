// Fuzzes the tokenizer and the matcher together: any points, any slot texts.
#include <cstdint>
#include <cstring>

#include "engine/gesture_matcher.h"
#include "engine/stroke_tokenizer.h"
#include "fuzz/fuzz_support.h"

// Input: up to 25 slot texts separated by zero bytes, a second zero byte, then 8-byte points.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GestureTable table;
    clearGestureTable(table);
    size_t at = 0;
    for (int slot = 0; slot < kGestureSlotCount && at < size && data[at] != 0; ++slot) {
        size_t length = 0;
        while (at < size && data[at] != 0) {
            if (length < kSlotTextSize - 1) table.gestures[slot][length++] = static_cast<char>(data[at]);
            ++at;
        }
        table.gestures[slot][length] = '\0';
        ++at;
    }
    ++at;
    CaptureState state = {};
    state.capturing = true;
    StrokeSink sink = {nullptr, nullptr};
    bool begun = false;
    for (; at + 8 <= size; at += 8) {
        ScreenPoint point;
        std::memcpy(&point.x, data + at, 4);
        std::memcpy(&point.y, data + at + 4, 4);
        if (!begun) beginStroke(state, point);
        else addStrokeSample(state, point, sink);
        begun = true;
    }
    const char* text = endStroke(state);
    FUZZ_CHECK(std::strlen(text) < kGestureTextSize);
    int slot = findBestSlot(table, text);
    FUZZ_CHECK(slot == kNoSlot || (slot >= 0 && slot < kGestureSlotCount && table.gestures[slot][0]));
    if (slot != kNoSlot) FUZZ_CHECK(gestureScore(text, table.gestures[slot]) >= kAcceptanceThreshold);
    return 0;
}
