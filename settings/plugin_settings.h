// The plugin's settings as read from its rc file; free of platform types so tools and tests share them.
#pragma once

#include <cstdint>

constexpr int kRcPathSize = 260;         // MAX_PATH: 259 characters and the terminator
constexpr int kToolSquareTextSize = 8;
constexpr int32_t kDefaultHistoryKeep = 500;
constexpr int32_t kMaxHistoryKeep = 10000;  // the most strokes kept, whatever the rc file asks
constexpr int32_t kDefaultTrainerFreeSlots = 5;
constexpr int32_t kMaxTrainerFreeSlots = 25;  // every slot

struct PluginSettings {
    int32_t x;                 // tool square's left edge, screen pixels
    int32_t y;                 // tool square's top edge
    bool transparencyEnabled;  // both windows translucent
    int32_t transparencyAlpha; // opacity while translucent; only its low 8 bits reach the host
    bool alwaysOnTop;          // tool square in the topmost band
    bool snapWindow;           // snap to screen edges while moved
    bool toggleWithPlugins;    // tool square hides when the host hides its plugins
    int32_t hotkey;            // virtual-key code that starts a capture
    int32_t storedHotkey;      // the file's code; not `hotkey` when no press could ever start one
    bool padShow;              // gesture pad visible during a capture
    bool padTips;              // corner dots labelled with their token
    bool toolSquareShow;       // tool square visible
    int32_t historyKeep;       // strokes kept in trazzle-history/, 0 to kMaxHistoryKeep; 0 keeps none
    char rcPath[kRcPathSize];  // the rc file every read and write goes to
    char toolSquareText[kToolSquareTextSize];
};
