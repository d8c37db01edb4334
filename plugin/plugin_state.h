// The plugin's one module-wide record: settings, windows, hooks, capture, style snapshot and gesture table.
//
// Everything runs on the host's window thread (exports, window procedures and both low-level
// hooks, which the system calls on the thread that installed them), so nothing is locked.
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/gesture_matcher.h"
#include "engine/stroke_tokenizer.h"
#include "settings/plugin_settings.h"
#include "win32/style_record.h"

struct PluginWindows {
    HINSTANCE moduleInstance;
    HWND hostWindow;  // every message to the host goes here
    HWND toolSquareWindow;
    HWND padWindow;
    HBITMAP padBitmap;  // the pad's whole picture; renewed at every capture start
    int32_t toolSquareWidth, toolSquareHeight;
    int32_t padLeft, padTop;  // the pad's screen position; moved at every capture start
    int32_t padWidth, padHeight;
    OSVERSIONINFOA osVersion;
    bool layeredWindows;
};

struct PluginState {
    PluginSettings settings;
    PluginWindows windows;
    StyleSnapshot style;
    CaptureState capture;
    GestureTable table;
    HHOOK keyboardHook;  // for the plugin's whole life
    HHOOK mouseHook;     // only during a capture
    bool pluginsHidden;  // the host has hidden its plugins; never stored
};

extern PluginState plugin;

// The strokes of the last captures, waiting to be kept in the history folder: the hooks only
// fill these fixed buffers, the tool square's window writes the files after the launch. A
// capture started while every buffer still waits is not kept.
constexpr int kHistoryPoints = 4096;  // a longer stroke is not kept: its file would be cut
constexpr uint32_t kHistoryQueueSize = 4;
struct QueuedStroke {
    ScreenPoint points[kHistoryPoints];
    int32_t count;
    int32_t slot;  // launched, or kNoSlot
    char command[kSlotTextSize];
};
struct HistoryQueue {
    QueuedStroke strokes[kHistoryQueueSize];
    uint32_t head, tail;     // strokes[tail % size] to strokes[head % size] wait to be written
    QueuedStroke* current;   // the capture's buffer, or null when this capture is not kept
};
// Apart from `plugin`, whose initializer would copy it.
extern HistoryQueue historyQueue;

// The style values of the plugin's own snapshot.
inline COLORREF styleCornerColour() { return cornerColourOf(plugin.style); }
inline COLORREF styleTextColour() { return textColourOf(plugin.style); }
inline int32_t styleTextInset() { return textInsetOf(plugin.style); }
