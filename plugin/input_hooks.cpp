// The hotkey and the pointer: a keyboard hook for the plugin's life, a mouse hook during a capture.
//
// Both procedures run on the host's window thread and lie in the path of every key and
// pointer event of the desktop. They never consume an event. The hook procedures only unpack
// the event; what it means for a capture is decided in the handlers above them.
#include "plugin/input_hooks.h"

#include "win32/host_calls.h"

#include "engine/command_launcher.h"
#include "engine/stroke_tokenizer.h"
#include "plugin/host_launcher.h"
#include "settings/status_texts.h"
#include "contract/vantrel.h"
#include "plugin/plugin_state.h"
#include "plugin/gesture_pad.h"
#include "settings/placement_decision.h"

namespace {

void drawRequest(void*, const DrawRequest& request) {
    bool dot = request.kind == kCornerDot;
    drawPadSegment(request.from.x, request.from.y, request.to.x, request.to.y,
                   dot ? styleCornerColour() : styleTextColour(), request.penWidth, request.label);
}

void startCapture() {
    PluginWindows& w = plugin.windows;
    // The hooks' module is the host's executable: the system keeps it loaded for them.
    plugin.mouseHook = SetWindowsHookExA(WH_MOUSE_LL, mouseHookProc, GetModuleHandleA(nullptr), 0);
    releasePadBitmap();
    createPadBitmap();
    clearPadBitmap();
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    w.padLeft = cursor.x - kPadCentreOffset;
    w.padTop = cursor.y - kPadCentreOffset;
    beginStroke(plugin.capture, {cursor.x, cursor.y});
    // Moved while still hidden, so the pad is never snapped away from the cursor.
    SetWindowPos(w.padWindow, HWND_TOPMOST, w.padLeft, w.padTop, w.padWidth, w.padHeight,
                 SWP_NOACTIVATE);
    showPad();
    plugin.capture.capturing = true;
}

// Runs to the end, launch included, before the release is passed on.
void endCapture() {
    if (plugin.mouseHook) UnhookWindowsHookEx(plugin.mouseHook);
    plugin.mouseHook = nullptr;
    hidePad();
    plugin.capture.capturing = false;
    const char* gestureText = endStroke(plugin.capture);
    char status[kCaptureStatusSize];
    formatCaptureStatus(gestureText, status);
    sendHostStatus(plugin.windows.hostWindow, status);
    matchGesture(plugin.table, gestureText, hostLauncher(&plugin.windows.hostWindow));
}

void onKeyEvent(WPARAM message, DWORD virtualKey) {
    if (virtualKey != static_cast<DWORD>(plugin.settings.hotkey)) return;
    // Auto-repeated presses arrive while capturing and change nothing; system-key events
    // (the hotkey with Alt held) neither start nor end a capture.
    if (message == WM_KEYDOWN && !plugin.capture.capturing) startCapture();
    else if (message == WM_KEYUP && plugin.capture.capturing) endCapture();
}

void onPointerMove(POINT point) {
    StrokeSink sink = {drawRequest, nullptr};
    addStrokeSample(plugin.capture, {point.x, point.y}, sink);
}

}  // namespace

void installKeyboardHook() {
    plugin.keyboardHook = SetWindowsHookExA(WH_KEYBOARD_LL, keyboardHookProc, GetModuleHandleA(nullptr), 0);
}

void removeHooks() {
    if (plugin.keyboardHook) UnhookWindowsHookEx(plugin.keyboardHook);
    plugin.keyboardHook = nullptr;
    if (plugin.mouseHook) UnhookWindowsHookEx(plugin.mouseHook);
    plugin.mouseHook = nullptr;
}

LRESULT CALLBACK keyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode >= 0) onKeyEvent(wParam, reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode);
    return CallNextHookEx(plugin.keyboardHook, nCode, wParam, lParam);
}

LRESULT CALLBACK mouseHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode >= 0 && wParam == WM_MOUSEMOVE)
        onPointerMove(reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt);
    return CallNextHookEx(plugin.mouseHook, nCode, wParam, lParam);
}
