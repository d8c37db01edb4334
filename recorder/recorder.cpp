// trazzle-recorder.dll: a second plugin for vantrel.exe that writes every stroke drawn with the hotkey held to a file.
//
// Each stroke becomes stroke-NNN.txt beside the recorder, in the format trazzle-replay reads:
// the pointer's position at the hotkey's press, then every pointer move as the low-level
// mouse hook sees it, until the release. The hotkey is the one trazzle reads from the same rc
// file. Like trazzle it never consumes an event.
#include <windows.h>

#include <cstdio>

#include "win32/host_calls.h"
#include "win32/key_events.h"
#include "win32/low_level_hook.h"
#include "settings/rc_search.h"
#include "settings/settings_loader.h"
#include "settings/status_texts.h"
#include "contract/plugin_exports.h"
#include "contract/vantrel.h"
#include "settings/identity.h"
#include "training/stroke_file.h"
#include "training/stroke_file_create.h"

namespace {

constexpr char kStatusWindowClass[] = "trazzle-recorder";
constexpr UINT kShowStatus = WM_APP + 1;  // posted to statusWindow: send the waiting status

struct Recorder {
    HWND hostWindow;
    int32_t hotkey;
    char folder[MAX_PATH];  // with its trailing backslash
    HHOOK keyboardHook;
    HHOOK mouseHook;
    FILE* stroke;  // open while the hotkey is held
    char strokeName[kStrokeNameSize];
    long points;
    HWND statusWindow;  // message-only; shows the saved stroke's status once the release is handled
    char pendingStatus[100];  // empty when nothing waits
};

Recorder recorder;

char rcPath[kRcPathSize];

void status(const char* text) { sendHostStatus(recorder.hostWindow, text); }

void showPendingStatus() {
    if (!recorder.pendingStatus[0]) return;
    status(recorder.pendingStatus);
    recorder.pendingStatus[0] = '\0';
}

// trazzle, started first, has the older keyboard hook, so it handles the same release after
// us and its own status would replace ours at once. Posted, ours is sent once every hook has
// handled the release, and stays in the host's label.
void statusAfterRelease(const char* text) {
    showPendingStatus();  // one still waiting from an earlier release comes first
    std::snprintf(recorder.pendingStatus, sizeof recorder.pendingStatus, "%s", text);
    if (!recorder.statusWindow || !PostMessageA(recorder.statusWindow, kShowStatus, 0, 0)) showPendingStatus();
}

LRESULT CALLBACK statusWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kShowStatus: showPendingStatus(); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK mouseHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode >= 0 && wParam == WM_MOUSEMOVE && recorder.stroke) {
        POINT pt = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt;
        writeStrokePoint(recorder.stroke, {static_cast<int32_t>(pt.x), static_cast<int32_t>(pt.y)});
        ++recorder.points;
    }
    return CallNextHookEx(recorder.mouseHook, nCode, wParam, lParam);
}

void startStroke() {
    recorder.stroke = createNextStrokeFile(recorder.folder, recorder.strokeName);
    if (!recorder.stroke) {
        status("trazzle-recorder -> cannot create a stroke file");
        return;
    }
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    std::fprintf(recorder.stroke, "# recorded by trazzle-recorder with hotkey %ld; the first point is the press\n",
                 static_cast<long>(recorder.hotkey));
    writeStrokePoint(recorder.stroke, {static_cast<int32_t>(cursor.x), static_cast<int32_t>(cursor.y)});
    recorder.points = 1;
    recorder.mouseHook = installLowLevelHook(WH_MOUSE_LL, mouseHookProc);
    if (!recorder.mouseHook) {
        char text[kHookStatusSize];
        formatHookRefusedStatus("trazzle-recorder", "mouse", GetLastError(), "this stroke holds only its press", text);
        status(text);
    }
}

void endStroke() {
    if (recorder.mouseHook) UnhookWindowsHookEx(recorder.mouseHook);
    recorder.mouseHook = nullptr;
    bool written = std::fclose(recorder.stroke) == 0;
    recorder.stroke = nullptr;
    char text[100];
    std::snprintf(text, sizeof text, written ? "trazzle-recorder -> %s, %ld points" : "trazzle-recorder -> %s not written",
                  recorder.strokeName, recorder.points);
    statusAfterRelease(text);
}

LRESULT CALLBACK keyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode >= 0) {
        // The same rule as trazzle's; a stroke is held while its file is open.
        DWORD virtualKey = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode;
        switch (captureStep(hookKeyEventKind(wParam), virtualKey, recorder.hotkey, recorder.stroke != nullptr)) {
        case kCaptureStarts: startStroke(); break;
        case kCaptureEnds: endStroke(); break;
        case kCaptureUnchanged: break;
        }
    }
    return CallNextHookEx(recorder.keyboardHook, nCode, wParam, lParam);
}

}  // namespace

int beginPlugin(HINSTANCE module) {
    recorder = Recorder{};
    recorder.hostWindow = GetVTWnd();
    char modulePath[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(module, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath) return 1;  // no folder to record into
    locateRcThroughHost(module, rcPath);
    SettingsReader reader = hostSettingsReader(rcPath);
    PluginSettings settings = {};
    readPluginSettings(reader, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), settings);
    recorder.hotkey = settings.hotkey;
    char folder[kRcPathSize];
    rcCandidatePath(modulePath, "", folder);
    std::snprintf(recorder.folder, sizeof recorder.folder, "%s", folder);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = statusWindowProc;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kStatusWindowClass;
    RegisterClassA(&windowClass);
    recorder.statusWindow = CreateWindowExA(0, kStatusWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr);
    recorder.keyboardHook = installLowLevelHook(WH_KEYBOARD_LL, keyboardHookProc);
    return recorder.keyboardHook ? 0 : 1;  // without it the recorder could never record
}

void endPlugin(HINSTANCE module) {
    if (recorder.keyboardHook) UnhookWindowsHookEx(recorder.keyboardHook);
    recorder.keyboardHook = nullptr;
    if (recorder.stroke) endStroke();  // a stroke cut short by the stop is still kept
    showPendingStatus();
    if (recorder.statusWindow) DestroyWindow(recorder.statusWindow);
    recorder.statusWindow = nullptr;
    UnregisterClassA(kStatusWindowClass, module);
}

const char* pluginInfo(int index) {
    switch (index) {
    case 1: return "trazzle-recorder";
    case 2: return kPluginVersion;
    default: return "trazzle-recorder " TRAZZLE_VERSION_TEXT;
    }
}
