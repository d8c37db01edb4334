// Reads the plugin's settings and its 25 gesture slots in a fixed order through any reader of rc values.
#include "settings/settings_loader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "settings/hotkey_rule.h"

namespace {

constexpr char kSlotKeyPrefix[] = "trazzle.plugin.";

}  // namespace

void slotKey(SlotField field, int slot, char (&key)[kSlotKeySize]) {
    std::snprintf(key, sizeof key, "%s%s%d:", kSlotKeyPrefix, kSlotFieldNames[field], slot);
}

bool parseSlotKey(const char* key, SlotField& field, long& number) {
    size_t prefix = sizeof kSlotKeyPrefix - 1;
    if (std::strncmp(key, kSlotKeyPrefix, prefix) != 0) return false;
    for (SlotField f : {kSlotGesture, kSlotCommand, kSlotArgument}) {
        size_t length = std::strlen(kSlotFieldNames[f]);
        if (std::strncmp(key + prefix, kSlotFieldNames[f], length) != 0) continue;
        const char* digits = key + prefix + length;
        // As slotKey writes a number: digits, no sign, no leading zero.
        if (*digits < '0' || *digits > '9' || (digits[0] == '0' && digits[1] != ':')) return false;
        char* end = nullptr;
        number = std::strtol(digits, &end, 10);
        field = f;
        return std::strcmp(end, ":") == 0;
    }
    return false;
}

void readPluginSettings(const SettingsReader& reader, int32_t screenWidth, int32_t screenHeight,
                        PluginSettings& settings) {
    void* c = reader.context;
    settings.x = reader.readInt(c, kKeyX, 10);
    settings.y = reader.readInt(c, kKeyY, 10);
    // Only the far edges are checked: a position saved on a larger screen would leave the
    // tool square out of reach, while negative ones may belong to a monitor on the left.
    if (settings.x >= screenWidth) settings.x = 10;
    if (settings.y >= screenHeight) settings.y = 10;
    settings.transparencyEnabled = reader.readBool(c, kKeyTransparencyEnabled, false);
    settings.transparencyAlpha = reader.readInt(c, kKeyTransparencyAlpha, 60);
    settings.alwaysOnTop = reader.readBool(c, kKeyAlwaysOnTop, true);
    settings.snapWindow = reader.readBool(c, kKeySnapWindow, true);
    settings.toggleWithPlugins = reader.readBool(c, kKeyToggleWithPlugins, true);
    settings.storedHotkey = reader.readInt(c, kKeyHotkey, kDefaultHotkey);
    // A code the keyboard hook never sees as a press would leave trazzle with no way to start a
    // capture at all: the default takes its place until the file is mended.
    settings.hotkey = hotkeyRefusal(settings.storedHotkey).empty() ? settings.storedHotkey : kDefaultHotkey;
    settings.padShow = reader.readBool(c, kKeyPadShow, true);
    settings.padTips = reader.readBool(c, kKeyPadTips, true);
    settings.toolSquareShow = reader.readBool(c, kKeyToolSquareShow, true);
    // Bounded either way, so the history folder's size is too.
    int32_t keep = reader.readInt(c, kKeyHistoryKeep, kDefaultHistoryKeep);
    settings.historyKeep = keep < 0 ? 0 : keep > kMaxHistoryKeep ? kMaxHistoryKeep : keep;
    std::snprintf(settings.toolSquareText, sizeof settings.toolSquareText, "G");
}

void readTrainerPlace(const SettingsReader& reader, int32_t& x, int32_t& y) {
    x = reader.readInt(reader.context, kKeyTrainerX, x);
    y = reader.readInt(reader.context, kKeyTrainerY, y);
}

int32_t readTrainerFreeSlots(const SettingsReader& reader) {
    int32_t free = reader.readInt(reader.context, kKeyTrainerFreeSlots, kDefaultTrainerFreeSlots);
    return free < 0 ? 0 : free > kMaxTrainerFreeSlots ? kMaxTrainerFreeSlots : free;
}

void readGestureSlots(const SettingsReader& reader, GestureTable& table) {
    char key[kSlotKeySize];
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        slotKey(kSlotGesture, slot, key);
        reader.readString(reader.context, key, "", table.gestures[slot], kSlotTextSize);
        slotKey(kSlotCommand, slot, key);
        reader.readString(reader.context, key, "", table.commands[slot], kSlotTextSize);
        slotKey(kSlotArgument, slot, key);
        reader.readString(reader.context, key, "", table.arguments[slot], kSlotTextSize);
    }
}
