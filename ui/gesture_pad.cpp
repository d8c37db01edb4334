// The gesture pad: a 450 by 450 popup that shows the stroke, drawn into a backing bitmap it keeps.
#include "ui/gesture_pad.h"

#include "host/broadcasts.h"
#include "host/vantrel.h"
#include "plugin_state/plugin_state.h"
#include "ui/style_drawing.h"
#include "ui/style_snapshot.h"
#include "ui/window_placement.h"

namespace {

constexpr char kPadCaption[] = "Trazzle Pad";

HWND pad() { return plugin.windows.padWindow; }

// Drawing outside WM_PAINT still opens and closes a paint cycle on the pad: whatever update
// region the pad had is validated, and the next invalidation repaints the whole picture.
// `create` makes a new bitmap compatible with the pad's screen first.
void fillBitmapWithGradient(bool create) {
    RECT client;
    GetClientRect(pad(), &client);
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(pad(), &paint);
    if (create) plugin.windows.padBitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previousBitmap = SelectObject(memory, plugin.windows.padBitmap);
    MakeStyleGradient(memory, &client, plugin.style.styleRecord, 1);
    SelectObject(memory, previousBitmap);
    DeleteDC(memory);
    EndPaint(pad(), &paint);
}

void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previousBitmap = SelectObject(memory, plugin.windows.padBitmap);
    // The caption goes into the bitmap itself at every paint, so it stays above the strokes.
    drawStyleCaption(memory, client, kPadCaption);
    const RECT& r = paint.rcPaint;
    BitBlt(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, r.left, r.top, SRCCOPY);
    SelectObject(memory, previousBitmap);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

}  // namespace

void showPad() {
    if (!plugin.settings.padShow) return;
    // Never activated: the user's window keeps the keyboard focus through the whole gesture,
    // and gets it back unchanged at the release.
    ShowWindow(pad(), SW_SHOWNOACTIVATE);
    InvalidateRect(pad(), nullptr, FALSE);
}

void hidePad() { ShowWindow(pad(), SW_HIDE); }

void createPadBitmap() { fillBitmapWithGradient(true); }

void clearPadBitmap() { fillBitmapWithGradient(false); }

void releasePadBitmap() {
    DeleteObject(plugin.windows.padBitmap);
    plugin.windows.padBitmap = nullptr;
}

void drawPadSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF colour, int32_t width,
                    const char* label) {
    const PluginWindows& w = plugin.windows;
    RECT client;
    GetClientRect(pad(), &client);
    PAINTSTRUCT paint;
    BeginPaint(pad(), &paint);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previousBitmap = SelectObject(memory, w.padBitmap);
    // Equal ends make the corner dot.
    drawStrokePiece(plugin.style, memory, client, x1 - w.padLeft, y1 - w.padTop, x2 - w.padLeft, y2 - w.padTop,
                    colour, width, plugin.settings.padTips ? label : nullptr);
    SelectObject(memory, previousBitmap);
    DeleteDC(memory);
    EndPaint(pad(), &paint);
    InvalidateRect(pad(), nullptr, FALSE);
}

LRESULT CALLBACK padWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        plugin.windows.padWindow = window;
        MakeSticky(window);
        applyWindowPlacement();
        createPadBitmap();
        return 0;
    case WM_DESTROY:
        releasePadBitmap();
        RemoveSticky(window);
        plugin.windows.padWindow = nullptr;  // a later start must not place a dead window
        return 0;
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_WINDOWPOSCHANGING:
        // The pad is moved to the cursor while hidden, so that move is never snapped.
        snapWhileVisible(window, reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGED:
        return 0;  // no WM_MOVE or WM_SIZE: the pad's geometry lives in PluginWindows
    case WM_NCHITTEST:
        return HTNOWHERE;
    case WM_NCRBUTTONDOWN:
        return 0;  // default handling would track the button itself and swallow the release
    case WM_NCRBUTTONUP:
        showPluginMenu(1);
        return 0;
    case WM_CLOSE:
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
