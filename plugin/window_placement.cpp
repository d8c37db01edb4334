// Applies sizes, opacity, z-order, positions and the hide-with-plugins rule to both plugin windows.
#include "plugin/window_placement.h"

#include "contract/vantrel.h"
#include "plugin/plugin_state.h"
#include "settings/placement_decision.h"

void applyWindowPlacement() {
    PluginWindows& w = plugin.windows;
    Placement placement = decidePlacement(plugin.settings, plugin.pluginsHidden);
    if (placement.hideToolSquareOnly) {
        ShowWindow(w.toolSquareWindow, SW_HIDE);
        return;
    }
    // At start the tool square is placed before the pad exists; the pad's own creation
    // places both again, so a null pad is simply skipped here.
    SetTransparency(w.toolSquareWindow, placement.alpha);
    if (w.padWindow) SetTransparency(w.padWindow, placement.alpha);
    SetWindowPos(w.toolSquareWindow, reinterpret_cast<HWND>(placement.toolSquareInsertAfter),
                 plugin.settings.x, plugin.settings.y, w.toolSquareWidth, w.toolSquareHeight,
                 placement.toolSquareFlags);
    if (w.padWindow) {
        // The pad is topmost whatever the setting says; its visibility is not touched here.
        SetWindowPos(w.padWindow, HWND_TOPMOST, w.padLeft, w.padTop, w.padWidth, w.padHeight,
                     SWP_NOACTIVATE);
        InvalidateRect(w.padWindow, nullptr, FALSE);
    }
    InvalidateRect(w.toolSquareWindow, nullptr, FALSE);
}

void snapWhileVisible(HWND window, WINDOWPOS* position) {
    if (plugin.settings.snapWindow && IsWindowVisible(window)) SnapWindowToEdge(position, 10, 1);
}
