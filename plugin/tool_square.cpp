// The tool square: the plugin's small styled window, its menu, and its receiver of host messages.
#include "plugin/tool_square.h"

#include <cstdint>

#include "plugin/broadcasts.h"
#include "settings/settings_keys.h"
#include "contract/vantrel.h"
#include "plugin/plugin_state.h"
#include "win32/paint_frame.h"
#include "plugin/style_snapshot.h"
#include "plugin/window_placement.h"
#include "plugin/history_queue.h"

namespace {

// The host reads the list at registration and at unregistration; it must outlive both.
const uint32_t kHostMessages[] = {HOST_RECONFIGURE, HOST_BROADCAST, 0};

void sendRegistration(HWND window, UINT message) {
    SendMessageA(plugin.windows.hostWindow, message, reinterpret_cast<WPARAM>(window),
                 reinterpret_cast<LPARAM>(kHostMessages));
}

void onCreate(HWND window) {
    plugin.windows.toolSquareWindow = window;
    sendRegistration(window, HOST_REGISTER_MESSAGES);
    MakeSticky(window);
    applyWindowPlacement();
}

void onDestroy(HWND window) {
    RemoveSticky(window);
    sendRegistration(window, HOST_UNREGISTER_MESSAGES);
    plugin.windows.toolSquareWindow = nullptr;
}

void drawToolSquare(HDC memory, RECT client, const void*) {
    MakeStyleGradient(memory, &client, plugin.style.styleRecord, 1);
    drawStyleCaption(memory, client, plugin.settings.toolSquareText);
}

// Every change of position, size, z-order or visibility is stored, so the rc file always
// holds where the tool square is. A change made with SWP_NOMOVE (a hide, a restack) need
// not carry a position, so the window's own rectangle is asked instead of trusting it.
void onWindowPosChanged(HWND window, const WINDOWPOS* position) {
    int32_t x = position->x;
    int32_t y = position->y;
    RECT frame;
    if ((position->flags & SWP_NOMOVE) && GetWindowRect(window, &frame)) {
        x = frame.left;
        y = frame.top;
    }
    plugin.settings.x = x;
    plugin.settings.y = y;
    WriteInt(plugin.settings.rcPath, kKeyX, x);
    WriteInt(plugin.settings.rcPath, kKeyY, y);
}

}  // namespace

LRESULT CALLBACK toolSquareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    case WM_PAINT:
        paintThroughMemory(window, nullptr, drawToolSquare);
        return 0;
    case WM_WINDOWPOSCHANGING:
        snapWhileVisible(window, reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGED:
        onWindowPosChanged(window, reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_NCHITTEST:
        return HTCAPTION;  // a left drag anywhere moves the window
    case WM_NCRBUTTONDOWN:
        // Default handling of a right press on a caption tracks the button itself and turns
        // the release into WM_CONTEXTMENU, so WM_NCRBUTTONUP would never arrive.
        return 0;
    case WM_NCRBUTTONUP:
        showPluginMenu(1);
        return 0;
    case WM_CLOSE:
        return 0;
    case kHistoryQueued:
        writeQueuedStrokes();
        return 0;
    case HOST_RECONFIGURE:
        handleReconfigure();
        return 0;
    case HOST_BROADCAST:
        // Strokes handled before a command are kept before it is: one that names them finds them.
        writeQueuedStrokes();
        handleBroadcast(reinterpret_cast<const char*>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
