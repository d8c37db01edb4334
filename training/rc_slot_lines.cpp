// Slot lines in an rc file's text: where a slot's new key goes, and which lines clearing a slot removes.
#include "training/rc_slot_lines.h"

#include <string>

#include "host/settings_loader.h"
#include "training/checker.h"

int slotOfLine(const char* text, size_t size, size_t at) {
    RcTextLine line = rcLineAt(text, size, at);
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

size_t placeSlotKey(const char* text, size_t size, const char* key) {
    SlotField field;
    long slot;
    if (!parseSlotKey(lowered(key).c_str(), field, slot) || slot >= kGestureSlotCount) return size;
    size_t afterOwn = size, afterAny = size;
    bool own = false, any = false;
    for (size_t at = 0; at < size;) {
        size_t next = rcLineAt(text, size, at).next;
        int lineSlot = slotOfLine(text, size, at);
        if (lineSlot >= 0) {
            afterAny = next;
            any = true;
        }
        if (lineSlot == slot) {
            afterOwn = next;
            own = true;
        }
        at = next;
    }
    return own ? afterOwn : any ? afterAny : size;
}

void clearSlotEdits(const char* text, size_t size, int slot, std::vector<RcEdit>& edits) {
    GestureTable table;
    readSlotsOfText(text, size, table);
    for (int other = 0; other < kGestureSlotCount; ++other) {
        // Slots without a command would all "start the same": only the slot itself goes then.
        bool variant = table.commands[slot][0] != '\0' && sameLaunch(table, slot, other);
        if (other != slot && !variant) continue;
        for (SlotField field : {kSlotGesture, kSlotCommand, kSlotArgument}) edits.push_back({slotKeyOf(field, other), "", true});
    }
}

namespace {

bool clearEdits(void* context, const char* text, size_t size, std::vector<RcEdit>& edits) {
    clearSlotEdits(text, size, *static_cast<const int*>(context), edits);
    return true;
}

}  // namespace

bool clearSlotLines(const char* path, int slot, RcWriteResult& result) {
    return rcWriteEdits(path, clearEdits, &slot, placeSlotKey, &result);
}
