// The hotkey and the pointer: a keyboard hook for the plugin's life, a mouse hook during a capture.
//
// Both procedures run on the host's window thread and lie in the path of every key and
// pointer event of the desktop. They never consume an event. The hook procedures only unpack
// the event; what it means for a capture is decided in the handlers above them.
#include "plugin/input_hooks.h"

#include "win32/host_calls.h"
#include "win32/key_events.h"
#include "win32/low_level_hook.h"

#include "engine/command_launcher.h"
#include "engine/stroke_tokenizer.h"
#include "plugin/host_launcher.h"
#include "settings/status_texts.h"
#include "contract/vantrel.h"
#include "plugin/plugin_state.h"
#include "plugin/gesture_pad.h"
#include "settings/placement_decision.h"
#include "plugin/history_queue.h"

namespace {

void drawRequest(void*, const DrawRequest& request) {
    bool dot = request.kind == kCornerDot;
    drawPadSegment(request.from.x, request.from.y, request.to.x, request.to.y,
                   dot ? styleCornerColour() : styleTextColour(), request.penWidth, request.label);
}

// The host's status and so its log say why trazzle cannot capture.
void reportRefusedHook(const char* hook, const char* consequence) {
    char status[kHookStatusSize];
    formatHookRefusedStatus("Trazzle", hook, GetLastError(), consequence, status);
    sendHostStatus(plugin.windows.hostWindow, status);
}

void startCapture() {
    PluginWindows& w = plugin.windows;
    plugin.mouseHook = installLowLevelHook(WH_MOUSE_LL, mouseHookProc);
    if (!plugin.mouseHook) reportRefusedHook("mouse", "this capture follows no pointer moves");
    releasePadBitmap();
    createPadBitmap();  // cleared as it is made
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    w.padLeft = cursor.x - kPadCentreOffset;
    w.padTop = cursor.y - kPadCentreOffset;
    beginStroke(plugin.capture, {cursor.x, cursor.y});
    queueStrokeStart({cursor.x, cursor.y});
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
    int slot = matchGesture(plugin.table, gestureText, hostLauncher(&plugin.windows.hostWindow));
    // Only queued: the file is written once the hook has returned.
    queueStrokeEnd(slot);
}

void onKeyEvent(WPARAM message, DWORD virtualKey) {
    switch (captureStep(hookKeyEventKind(message), virtualKey, plugin.settings.hotkey, plugin.capture.capturing)) {
    case kCaptureStarts: startCapture(); break;
    case kCaptureEnds: endCapture(); break;
    case kCaptureUnchanged: break;
    }
}

void onPointerMove(POINT point) {
    StrokeSink sink = {drawRequest, nullptr};
    addStrokeSample(plugin.capture, {point.x, point.y}, sink);
    queueStrokePoint({point.x, point.y});
}

}  // namespace

void installKeyboardHook() {
    plugin.keyboardHook = installLowLevelHook(WH_KEYBOARD_LL, keyboardHookProc);
    if (!plugin.keyboardHook) reportRefusedHook("keyboard", "the hotkey can start no capture");
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
