// The three exports the host calls: beginPlugin brings the plugin up, endPlugin takes it down, pluginInfo names it.
#include <windows.h>

#include <cstring>

#include "plugin/configuration.h"
#include "contract/plugin_exports.h"
#include "contract/vantrel.h"
#include "settings/identity.h"
#include "plugin/plugin_state.h"
#include "settings/placement_decision.h"
#include "plugin/gesture_pad.h"
#include "plugin/input_hooks.h"
#include "plugin/style_snapshot.h"
#include "plugin/tool_square.h"
#include "plugin/history_queue.h"

namespace {

constexpr DWORD kBaseStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr UINT kErrorBoxFlags = MB_OK | MB_ICONERROR | MB_TOPMOST;

// Start-up failures are the only ones shown; the caller returns 1 and undoes nothing.
int startFailed(HWND owner, const char* text) {
    MessageBoxA(owner, text, kPluginFullName, kErrorBoxFlags);
    return 1;
}

bool registerClass(const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = plugin.windows.moduleInstance;
    windowClass.lpszClassName = name;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    return RegisterClassA(&windowClass) != 0;
}

DWORD extendedStyle() {
    return plugin.windows.layeredWindows ? WS_EX_TOOLWINDOW | WS_EX_LAYERED : WS_EX_TOOLWINDOW;
}

}  // namespace

int beginPlugin(HINSTANCE module) {
    PluginWindows& w = plugin.windows;
    clearGestureTable(plugin.table);
    plugin.capture.capturing = false;

    std::memset(&w.osVersion, 0, sizeof w.osVersion);
    w.osVersion.dwOSVersionInfoSize = sizeof w.osVersion;
    GetVersionExA(&w.osVersion);
    w.layeredWindows = w.osVersion.dwPlatformId == VER_PLATFORM_WIN32_NT && w.osVersion.dwMajorVersion > 4;
    w.hostWindow = GetVTWnd();
    // Before the configuration: the rc file is looked for beside the module's own file.
    w.moduleInstance = module;

    if (!registerClass(kToolSquareClass, toolSquareWindowProc))
        return startFailed(w.hostWindow, "Error registering window class");
    loadConfiguration();
    takeStyleSnapshot();

    DWORD toolSquareStyle = kBaseStyle | (plugin.settings.toolSquareShow ? WS_VISIBLE : 0);
    w.toolSquareWindow = CreateWindowExA(extendedStyle(), kToolSquareClass, nullptr, toolSquareStyle,
                                         plugin.settings.x, plugin.settings.y, w.toolSquareWidth,
                                         w.toolSquareHeight, nullptr, nullptr, module, nullptr);
    if (!w.toolSquareWindow) return startFailed(nullptr, "Error creating window");

    if (!registerClass(kPadClass, padWindowProc))
        return startFailed(w.hostWindow, "Error registering window class");
    w.padLeft = 0;
    w.padTop = 0;
    w.padWindow = CreateWindowExA(extendedStyle(), kPadClass, nullptr, kBaseStyle | WS_VISIBLE,
                                  w.padLeft, w.padTop, w.padWidth, w.padHeight, nullptr, nullptr,
                                  module, nullptr);
    if (!w.padWindow) return startFailed(nullptr, "Error creating gesture window");
    hidePad();
    installKeyboardHook();
    return 0;
}

void endPlugin(HINSTANCE module) {
    removeHooks();
    writeQueuedStrokes();  // its messages die with the tool square
    DestroyWindow(plugin.windows.toolSquareWindow);
    DestroyWindow(plugin.windows.padWindow);
    UnregisterClassA(kToolSquareClass, module);
    UnregisterClassA(kPadClass, module);
    if (plugin.style.styleFont) {
        DeleteObject(plugin.style.styleFont);
        plugin.style.styleFont = nullptr;
    }
}

const char* pluginInfo(int index) {
    switch (static_cast<unsigned>(index)) {
    case 1: return kPluginName;
    case 2: return kPluginVersion;
    case 3: return kPluginAuthor;
    case 4: return kPluginReleaseDate;
    case 5: return kPluginWebAddress;
    case 6: return kPluginEmail;
    default: return kPluginFullName;
    }
}
