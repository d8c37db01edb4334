// Slot lines in an rc file's text: where a slot's new key goes, and which lines clearing a slot removes.
#include "training/rc_slot_lines.h"

#include <string>

#include "settings/settings_loader.h"
#include "training/checker.h"
#include "training/learn_plan.h"

namespace {

// The slot (0 to 24) whose gesture, command or argument `line` sets, as the plugin reads keys
// (any letter case); -1 for any other line.
int slotOfLine(const char* text, const RcTextLine& line) {
    if (!line.setting) return -1;
    std::string key;
    for (size_t i = line.bodyStart; i < line.lineEnd && key.size() < kSlotKeySize; ++i) {
        key += text[i];
        if (text[i] == ':') break;
    }
    SlotField field;
    long slot;
    if (!parseSlotKey(lowered(key).c_str(), field, slot) || slot >= kGestureSlotCount) return -1;
    return static_cast<int>(slot);
}

}  // namespace

size_t placeSlotKey(const char* text, size_t size, const char* key) {
    SlotField field;
    long slot;
    if (!parseSlotKey(lowered(key).c_str(), field, slot) || slot >= kGestureSlotCount) return size;
    // After the last line of any slot at the end of the text is the end itself, so `size`
    // also stands for "no such line".
    size_t afterOwn = size, afterAny = size;
    for (size_t at = 0; at < size;) {
        RcTextLine line = rcLineAt(text, size, at);
        int lineSlot = slotOfLine(text, line);
        if (lineSlot >= 0) afterAny = line.next;
        if (lineSlot == slot) afterOwn = line.next;
        at = line.next;
    }
    return afterOwn != size ? afterOwn : afterAny;
}

void clearSlotEdits(const char* text, size_t size, int slot, const bool hasExamples[kGestureSlotCount],
                    std::vector<RcEdit>& edits) {
    GestureTable table;
    readSlotsOfText(text, size, table);
    for (int other = 0; other < kGestureSlotCount; ++other) {
        if (other != slot && variantOfSlot(table, hasExamples, other) != slot) continue;
        for (SlotField field : {kSlotGesture, kSlotCommand, kSlotArgument}) edits.push_back({slotKeyOf(field, other), "", true});
    }
}

namespace {

struct ClearRequest {
    int slot;
    const bool* hasExamples;
};

bool clearEdits(void* context, const char* text, size_t size, std::vector<RcEdit>& edits) {
    const ClearRequest& request = *static_cast<const ClearRequest*>(context);
    clearSlotEdits(text, size, request.slot, request.hasExamples, edits);
    return true;
}

}  // namespace

bool clearSlotLines(const char* path, int slot, const bool hasExamples[kGestureSlotCount], RcWriteResult& result) {
    ClearRequest request = {slot, hasExamples};
    return rcWriteEdits(path, clearEdits, &request, nullptr, &result);  // it only removes
}
