// Reads the plugin's settings and its 25 gesture slots in a fixed order through any reader of rc values.
#include "host/settings_loader.h"

#include <cstdio>

void slotKey(SlotField field, int slot, char (&key)[kSlotKeySize]) {
    static const char* const kFormats[] = {"trazzle.plugin.gesture%d:", "trazzle.plugin.command%d:",
                                           "trazzle.plugin.argument%d:"};
    std::snprintf(key, sizeof key, kFormats[field], slot);
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
    settings.hotkey = reader.readInt(c, kKeyHotkey, 91);
    settings.padShow = reader.readBool(c, kKeyPadShow, true);
    settings.padTips = reader.readBool(c, kKeyPadTips, true);
    settings.toolSquareShow = reader.readBool(c, kKeyToolSquareShow, true);
    std::snprintf(settings.toolSquareText, sizeof settings.toolSquareText, "G");
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
