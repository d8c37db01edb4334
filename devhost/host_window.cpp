// The host's main window: the status label, keyboard shortcuts and the host's own menu.
#include "devhost/host_window.h"

#include <cstdio>
#include <cstdint>

#include "devhost/host_dispatch.h"
#include "devhost/host_log.h"
#include "devhost/rc_pending.h"
#include "devhost/host_settings.h"
#include "devhost/host_state.h"
#include "devhost/message_registry.h"
#include "devhost/plugins.h"
#include "devhost/script_runner.h"
#include "devhost/sticky_set.h"
#include "devhost/style_paint.h"
#include "contract/vantrel.h"

namespace {

constexpr int kStatusLabelId = 100;
constexpr int kWindowWidth = 460;
constexpr int kWindowHeight = 150;
enum HostMenuCommand { kShowPlugins = 1, kHidePlugins, kReconfigure, kQuit };

HWND statusLabel = nullptr;
HFONT labelFont = nullptr;

void onCreate(HWND window) {
    statusLabel = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 12,
                                  44, kWindowWidth - 40, 22, window,
                                  reinterpret_cast<HMENU>(kStatusLabelId), GetModuleHandleA(nullptr),
                                  nullptr);
    labelFont = makeStyleFont(hostSettings.style);
    SendMessageA(statusLabel, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont), FALSE);
}

void onDestroy() {
    DeleteObject(labelFont);
    labelFont = nullptr;
    statusLabel = nullptr;
}

void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    paintStyleGradient(dc, client, hostSettings.style, true);

    HFONT font = makeStyleFont(hostSettings.style);
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, hostSettings.style.textColour);
    char text[160];
    std::snprintf(text, sizeof text, "vantrel stand-in host: %d plugin(s), %d sticky window(s)",
                  pluginCount(), stickyWindowCount());
    RECT top = {12, 10, client.right - 12, 36};
    DrawTextA(dc, text, -1, &top, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
    RECT bottom = {12, 76, client.right - 12, client.bottom - 8};
    DrawTextA(dc, "F5 reconfigure, F6 show plugins, F7 hide plugins, right click: menu", -1,
              &bottom, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
    SelectObject(dc, previousFont);
    DeleteObject(font);
    EndPaint(window, &paint);
}

LRESULT onStatus(const char* text) {
    LogLine line;
    logBegin(line, "status");
    logAddText(line, text);
    logEnd(line);
    SetWindowTextA(statusLabel, text ? text : "");
    return 1;
}

void runHostCommand(int command) {
    switch (command) {
    case kShowPlugins: hostBroadcast("@VTShowPlugins"); break;
    case kHidePlugins: hostBroadcast("@VTHidePlugins"); break;
    case kReconfigure: hostReconfigure(); break;
    case kQuit: PostQuitMessage(0); break;
    }
}

void onKey(WPARAM key) {
    if (key == VK_F5) runHostCommand(kReconfigure);
    else if (key == VK_F6) runHostCommand(kShowPlugins);
    else if (key == VK_F7) runHostCommand(kHidePlugins);
}

void onContextMenu(HWND window) {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kShowPlugins, "Show plugins\tF6");
    AppendMenuA(menu, MF_STRING, kHidePlugins, "Hide plugins\tF7");
    AppendMenuA(menu, MF_STRING, kReconfigure, "Reconfigure\tF5");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kQuit, "Quit");
    POINT cursor;
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                                 window, nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
    DestroyMenu(menu);
    runHostCommand(command);
}

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: onCreate(window); return 0;
    case WM_DESTROY: onDestroy(); return 0;
    case WM_PAINT: onPaint(window); return 0;
    case WM_KEYDOWN: onKey(wParam); return 0;
    case WM_RBUTTONUP: onContextMenu(window); return 0;
    // The host ends its plugins before the window goes, so they can still unregister.
    case WM_CLOSE: PostQuitMessage(0); return 0;
    case HOST_SET_STATUS_LABEL: return onStatus(reinterpret_cast<const char*>(lParam));
    case HOST_REGISTER_MESSAGES:
        return registryAdd(reinterpret_cast<HWND>(wParam), reinterpret_cast<const uint32_t*>(lParam));
    case HOST_UNREGISTER_MESSAGES:
        return registryRemove(reinterpret_cast<HWND>(wParam),
                              reinterpret_cast<const uint32_t*>(lParam));
    case WM_HOST_SCRIPT: return scriptRunOnWindowThread(reinterpret_cast<ScriptCommand*>(lParam));
    case WM_TIMER:
        if (wParam != kRcFlushTimer) break;
        rcPendingFlush(nullptr);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND hostWindowCreate() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = hostWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kHostWindowClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, kHostWindowClass, "vantrel (stand-in host)",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, kWindowHeight,
                                  nullptr, nullptr, instance, nullptr);
    hostState.mainWindow = window;
    if (window) ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

void hostWindowDestroy() {
    if (hostState.mainWindow) DestroyWindow(hostState.mainWindow);
    hostState.mainWindow = nullptr;
    UnregisterClassA(kHostWindowClass, GetModuleHandleA(nullptr));
}

void hostWindowStatus(char* out, int outSize) {
    if (outSize <= 0) return;
    out[0] = '\0';
    if (statusLabel) GetWindowTextA(statusLabel, out, outSize);
}
