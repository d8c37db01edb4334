// Reads the plugin's settings and its 25 gesture slots in a fixed order through any reader of rc values.
//
// The plugin reads through the host's ReadInt/ReadBool/ReadString, trazzle-replay and the
// tests through the rc file code; all of them get the same keys, defaults and order here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/gesture_matcher.h"
#include "settings/settings_keys.h"
#include "settings/plugin_settings.h"

struct SettingsReader {
    int32_t (*readInt)(void* context, const char* key, int32_t defaultValue);
    bool (*readBool)(void* context, const char* key, bool defaultValue);
    // Copies the value (or the default) into `out`, cut to outSize - 1 characters.
    void (*readString)(void* context, const char* key, const char* defaultValue, char* out,
                       size_t outSize);
    void* context;
};

// The key of one slot text: "trazzle.plugin.gesture7:" and the like. The one place slots
// become keys, and keys slots (below).
void slotKey(SlotField field, int slot, char (&key)[kSlotKeySize]);
// The field and the number of a key of that form, the number as written even past the 25
// slots (saturating); false for any other key, "trazzle.plugin.gesture07:" among them, which
// the plugin never reads. Letters compare as they stand.
bool parseSlotKey(const char* key, SlotField& field, long& number);

// Every setting in the order the plugin reads them, then the screen check: a position at or
// beyond the primary screen's width or height becomes 10 for that coordinate; the history's
// bound is kept within 0 to kMaxHistoryKeep. Also sets the tool square's text. A stored hotkey
// that can never start a capture (hotkeyRefusal) is kept in storedHotkey and the default used.
// Leaves rcPath alone.
void readPluginSettings(const SettingsReader& reader, int32_t screenWidth, int32_t screenHeight,
                        PluginSettings& settings);

// The trainer's window place, the one thing the trainer keeps of its own in the file; x and y
// come in holding the place to use when none is stored.
void readTrainerPlace(const SettingsReader& reader, int32_t& x, int32_t& y);

// The slots the trainer's Apply keeps free of variants, kept within 0 to kMaxTrainerFreeSlots.
int32_t readTrainerFreeSlots(const SettingsReader& reader);

// All 25 slots, slot by slot, gesture, command and argument; a missing key reads empty.
void readGestureSlots(const SettingsReader& reader, GestureTable& table);
