// Shared state of the devhost test plugin: its window, the host window and its gesture slots.
#pragma once

#include <windows.h>

#include "engine/gesture_matcher.h"

constexpr char kTestPluginClass[] = "devhostTestPlugin";
constexpr int kTestPluginWidth = 40;
constexpr int kTestPluginHeight = 24;

struct TestPlugin {
    HINSTANCE module;
    HWND hostWindow;
    HWND window;
    HBITMAP picture;  // what the window shows; painted by "@testplugin style"
    HHOOK keyboardHook;
    HHOOK mouseHook;
    GestureTable slots;
};

extern TestPlugin testPlugin;

// Sends a status text to the host, as the real plugin does.
void testPluginStatus(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Handles the broadcast text; ignores texts not meant for the test plugin.
void testPluginBroadcast(const char* text);
