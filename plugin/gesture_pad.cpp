// The gesture pad: a 450 by 450 popup that shows the stroke, drawn into a backing bitmap it keeps.
#include "plugin/gesture_pad.h"

#include "plugin/broadcasts.h"
#include "contract/vantrel.h"
#include "plugin/plugin_state.h"
#include "win32/paint_frame.h"
#include "win32/style_drawing.h"
#include "plugin/style_snapshot.h"
#include "plugin/window_placement.h"

namespace {

constexpr char kPadCaption[] = "Trazzle Pad";

HWND pad() { return plugin.windows.padWindow; }

void drawGradient(HDC memory, RECT client, const void*) {
    MakeStyleGradient(memory, &client, plugin.style.styleRecord, 1);
}

// Drawing outside WM_PAINT still opens and closes a paint cycle on the pad: whatever update
// region the pad had is validated, and the next invalidation repaints the whole picture.
void drawIntoPad(DrawPicture draw, const void* context) {
    PAINTSTRUCT paint;
    BeginPaint(pad(), &paint);
    drawIntoPicture(pad(), plugin.windows.padBitmap, draw, context);
    EndPaint(pad(), &paint);
}

// The caption goes into the bitmap itself at every paint, so it stays above the strokes.
void drawCaption(HDC memory, RECT client, const void*) { drawStyleCaption(memory, client, kPadCaption); }

struct Segment {
    int32_t x1, y1, x2, y2;
    COLORREF colour;
    int32_t width;
    const char* label;
};

void drawSegment(HDC memory, RECT client, const void* context) {
    const Segment& s = *static_cast<const Segment*>(context);
    const PluginWindows& w = plugin.windows;
    // Equal ends make the corner dot.
    drawStrokePiece(plugin.style, memory, client, s.x1 - w.padLeft, s.y1 - w.padTop, s.x2 - w.padLeft,
                    s.y2 - w.padTop, s.colour, s.width, plugin.settings.padTips ? s.label : nullptr);
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

// The bitmap is made compatible with the pad's screen.
void createPadBitmap() {
    RECT client;
    GetClientRect(pad(), &client);
    HDC screen = GetDC(pad());
    plugin.windows.padBitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(pad(), screen);
    clearPadBitmap();
}

void clearPadBitmap() { drawIntoPad(drawGradient, nullptr); }

void releasePadBitmap() {
    DeleteObject(plugin.windows.padBitmap);
    plugin.windows.padBitmap = nullptr;
}

void drawPadSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF colour, int32_t width,
                    const char* label) {
    Segment segment = {x1, y1, x2, y2, colour, width, label};
    drawIntoPad(drawSegment, &segment);
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
        paintThroughMemory(window, plugin.windows.padBitmap, drawCaption);
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
