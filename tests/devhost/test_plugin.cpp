// A small plugin for testing vantrel.exe: a window, host registrations and global hooks.
//
// It imports every host function from the running vantrel.exe through the import library,
// so loading it at all proves that the host's exports resolve by their plain names. Build
// variants: TESTPLUGIN_WITHOUT_END_EXPORT leaves out endPlugin, TESTPLUGIN_BEGIN_FAILS makes
// beginPlugin refuse to start after it has set everything up.
#include "tests/devhost/test_plugin.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "contract/vantrel.h"

#define PLUGIN_EXPORT extern "C" __declspec(dllexport)

TestPlugin testPlugin;

static const uint32_t kWantedMessages[] = {HOST_RECONFIGURE, HOST_BROADCAST, 0};

void testPluginStatus(const char* format, ...) {
    char text[200];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    SendMessageA(testPlugin.hostWindow, HOST_SET_STATUS_LABEL, 0, reinterpret_cast<LPARAM>(text));
}

static void onCreate(HWND window) {
    SendMessageA(testPlugin.hostWindow, HOST_REGISTER_MESSAGES, reinterpret_cast<WPARAM>(window),
                 reinterpret_cast<LPARAM>(kWantedMessages));
    MakeSticky(window);
    // A layered window shows nothing until its opacity is set.
    SetTransparency(window, 255);
}

static void onDestroy(HWND window) {
    RemoveSticky(window);
    SendMessageA(testPlugin.hostWindow, HOST_UNREGISTER_MESSAGES, reinterpret_cast<WPARAM>(window),
                 reinterpret_cast<LPARAM>(kWantedMessages));
}

// Shows the picture, which holds no host calls: when the system repaints must not matter
// to the host log.
static void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (testPlugin.picture) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, testPlugin.picture);
        BitBlt(dc, 0, 0, kTestPluginWidth, kTestPluginHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    EndPaint(window, &paint);
}

static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: onCreate(window); return 0;
    case WM_DESTROY: onDestroy(window); return 0;
    case WM_PAINT: onPaint(window); return 0;
    case HOST_BROADCAST: testPluginBroadcast(reinterpret_cast<const char*>(lParam)); return 0;
    case HOST_RECONFIGURE: testPluginStatus("testplugin reconfigured"); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        const KBDLLHOOKSTRUCT* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        testPluginStatus("key %s %lu", down ? "down" : "up", static_cast<unsigned long>(key->vkCode));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

static LRESULT CALLBACK mouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        const MSLLHOOKSTRUCT* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        const char* what = wParam == WM_MOUSEMOVE     ? "move"
                           : wParam == WM_LBUTTONDOWN ? "left down"
                           : wParam == WM_LBUTTONUP   ? "left up"
                           : wParam == WM_RBUTTONDOWN ? "right down"
                           : wParam == WM_RBUTTONUP   ? "right up"
                                                      : "other";
        testPluginStatus("mouse %s %ld,%ld", what, mouse->pt.x, mouse->pt.y);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

PLUGIN_EXPORT int beginPlugin(HINSTANCE module) {
    testPlugin.module = module;
    testPlugin.hostWindow = GetVTWnd();
    clearGestureTable(testPlugin.slots);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kTestPluginClass;
    if (!RegisterClassA(&windowClass)) return 1;
    testPlugin.window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_LAYERED, kTestPluginClass, "",
                                        WS_POPUP | WS_VISIBLE, 50, 50, kTestPluginWidth,
                                        kTestPluginHeight, nullptr, nullptr, module, nullptr);
    if (!testPlugin.window) return 1;
    testPlugin.keyboardHook = SetWindowsHookExA(WH_KEYBOARD_LL, keyboardHook, module, 0);
    testPlugin.mouseHook = SetWindowsHookExA(WH_MOUSE_LL, mouseHook, module, 0);
#ifdef TESTPLUGIN_BEGIN_FAILS
    // Everything is in place when it fails: the host must call endPlugin to clear it away.
    testPluginStatus("testplugin refuses to start");
    return 1;
#else
    testPluginStatus("testplugin started");
    return 0;
#endif
}

#ifdef TESTPLUGIN_WITHOUT_END_EXPORT
[[maybe_unused]] static
#else
PLUGIN_EXPORT
#endif
void endPlugin(HINSTANCE module) {
    if (testPlugin.keyboardHook) UnhookWindowsHookEx(testPlugin.keyboardHook);
    if (testPlugin.mouseHook) UnhookWindowsHookEx(testPlugin.mouseHook);
    testPlugin.keyboardHook = testPlugin.mouseHook = nullptr;
    if (testPlugin.window) DestroyWindow(testPlugin.window);
    testPlugin.window = nullptr;
    UnregisterClassA(kTestPluginClass, module);
    if (testPlugin.picture) DeleteObject(testPlugin.picture);
    testPlugin.picture = nullptr;
}

PLUGIN_EXPORT const char* pluginInfo(int index) {
    static const char* const kInfo[] = {"devhost test plugin 1.0", "testplugin", "1.0",
                                        "trazzle developers", "2026-12-07", "https://example.org/trazzle",
                                        "trazzle@example.org"};
    unsigned i = static_cast<unsigned>(index);
    return i < sizeof kInfo / sizeof kInfo[0] ? kInfo[i] : kInfo[0];
}
