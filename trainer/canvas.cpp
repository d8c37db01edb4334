// The canvas: a child window to draw strokes on with the left button, shown as the pad shows them, never launching anything.
//
// Points go through trazzle's own tokenizer in canvas client coordinates, so the picture and
// the text are what the pad would show for the same motion.
#include "trainer/canvas.h"

#include <cstdio>

#include "contract/vantrel.h"
#include "settings/status_texts.h"
#include "trainer/thumbnail.h"
#include "trainer/trainer_host.h"
#include "trainer/trainer_logic.h"
#include "trainer/trainer_notes.h"
#include "trainer/trainer_state.h"
#include "win32/low_level_hook.h"
#include "win32/paint_frame.h"
#include "win32/style_drawing.h"

namespace {

constexpr char kCanvasCaption[] = "Draw here";
constexpr COLORREF kRecordingColour = RGB(0xFF, 0x40, 0x40);
constexpr int kRecordingFrameWidth = 3;

void drawGradient(HDC memory, RECT client, const void*) {
    MakeStyleGradient(memory, &client, trainer.style.styleRecord, 1);
}

// Into the picture itself at every paint, like the pad's caption, so it stays on top; so are
// the red frame that says strokes are being recorded and the caption that says for which slot.
void drawCaption(HDC memory, RECT client, const void*) {
    char caption[32];
    if (trainer.recording) std::snprintf(caption, sizeof caption, "recording into slot %d", trainer.selected);
    else std::snprintf(caption, sizeof caption, "%s", kCanvasCaption);
    drawStyleCaptionWith(trainer.style, memory, client, caption);
    if (!trainer.recording) return;
    drawFrame(memory, client, kRecordingColour, kRecordingFrameWidth, PS_INSIDEFRAME);
}

void drawPiece(HDC memory, RECT client, const void* context) {
    const DrawRequest& request = *static_cast<const DrawRequest*>(context);
    bool dot = request.kind == kCornerDot;
    drawStrokePiece(trainer.style, memory, client, request.from.x, request.from.y, request.to.x, request.to.y,
                    dot ? cornerColourOf(trainer.style) : textColourOf(trainer.style), request.penWidth,
                    trainer.settings.padTips ? request.label : nullptr);
}

// The gradient again along the edges only, where the recording frame was.
void drawEdges(HDC memory, RECT client, const void*) {
    ExcludeClipRect(memory, client.left + kRecordingFrameWidth, client.top + kRecordingFrameWidth,
                    client.right - kRecordingFrameWidth, client.bottom - kRecordingFrameWidth);
    MakeStyleGradient(memory, &client, trainer.style.styleRecord, 1);
    SelectClipRgn(memory, nullptr);
}

void clearCanvas(HWND canvas) {
    drawIntoPicture(canvas, trainer.canvasBitmap, drawGradient);
    InvalidateRect(canvas, nullptr, FALSE);
}

void drawRequest(void* context, const DrawRequest& request) {
    HWND canvas = static_cast<HWND>(context);
    drawIntoPicture(canvas, trainer.canvasBitmap, drawPiece, &request);
    InvalidateRect(canvas, nullptr, FALSE);
}

void onCreate(HWND canvas) {
    HDC screen = GetDC(canvas);
    trainer.canvasBitmap = CreateCompatibleBitmap(screen, kCanvasSize, kCanvasSize);
    ReleaseDC(canvas, screen);
    clearCanvas(canvas);
}

void onDestroy() {
    DeleteObject(trainer.canvasBitmap);
    trainer.canvasBitmap = nullptr;
}

POINT toCanvas(HWND canvas, POINT screen) {
    ScreenToClient(canvas, &screen);
    return screen;
}

void startStroke(HWND canvas, POINT at) {
    clearCanvas(canvas);
    trainer.stroke.assign(1, {at.x, at.y});
    beginStroke(trainer.capture, {at.x, at.y});
    trainer.capture.capturing = true;
}

void addSample(HWND canvas, POINT at) {
    trainer.stroke.push_back({at.x, at.y});
    StrokeSink sink = {drawRequest, canvas};
    addStrokeSample(trainer.capture, {at.x, at.y}, sink);
}

// Says what trazzle would do with the stroke, and tells the window, which keeps it as an example
// when recording.
void finishStroke(HWND canvas) {
    trainer.capture.capturing = false;
    const char* text = endStroke(trainer.capture);
    char status[kTrainerStatusSize];
    canvasStatus(trainer.table, text, status);
    showStatus(status);
    notifyTrainer(canvas, kNoteStrokeDrawn, reinterpret_cast<LPARAM>(text));
}

void takePointerEvent(HWND canvas, const PointerEvent& event) {
    POINT at = toCanvas(canvas, event.screen);
    if (event.message == WM_LBUTTONDOWN) startStroke(canvas, at);
    else if (event.message == WM_MOUSEMOVE && trainer.capture.capturing) addSample(canvas, at);
    else if (event.message == WM_LBUTTONUP && trainer.capture.capturing) finishStroke(canvas);
}

// A press on the canvas starts a stroke that follows the pointer until the release, wherever
// it goes. The hook sees every sample (the system merges pointer moves that wait in a window's
// queue, and a stroke must keep every sample the pad would see), but only queues it: the system
// skips, and at last removes, a low-level hook that takes too long, so drawing, files and the
// checker wait for the canvas's window procedure.
void queuePointerEvent(WPARAM message, POINT screen) {
    HWND canvas = trainer.windows.canvas;
    if (!canvas) return;
    if (message == WM_LBUTTONDOWN && !trainer.hookFollowing && WindowFromPoint(screen) == canvas)
        trainer.hookFollowing = true;
    else if (!trainer.hookFollowing || (message != WM_MOUSEMOVE && message != WM_LBUTTONUP))
        return;
    if (message == WM_LBUTTONUP) trainer.hookFollowing = false;
    if (trainer.pointerQueue.empty()) PostMessageA(canvas, kCanvasInput, 0, 0);
    trainer.pointerQueue.push_back({static_cast<UINT>(message), screen});
}

LRESULT CALLBACK canvasMouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) queuePointerEvent(wParam, reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt);
    return CallNextHookEx(trainer.mouseHook, code, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK canvasWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: onCreate(window); return 0;
    case WM_DESTROY: onDestroy(); return 0;
    case WM_PAINT: paintThroughMemory(window, trainer.canvasBitmap, drawCaption); return 0;
    case kCanvasInput: takeCanvasInput(); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void showCanvasRecording() {
    HWND canvas = trainer.windows.canvas;
    if (!canvas) return;
    if (!trainer.recording) drawIntoPicture(canvas, trainer.canvasBitmap, drawEdges);
    InvalidateRect(canvas, nullptr, FALSE);
}

void takeCanvasInput() {
    // Taken whole first: what is done with a release may let the hook run again, and its new
    // events then wait for their own message.
    std::vector<PointerEvent> events;
    events.swap(trainer.pointerQueue);
    HWND canvas = trainer.windows.canvas;
    if (!canvas) return;
    for (const PointerEvent& event : events) takePointerEvent(canvas, event);
}

void installCanvasHook() {
    trainer.mouseHook = installLowLevelHook(WH_MOUSE_LL, canvasMouseHook);
    if (trainer.mouseHook) return;
    char status[kHookStatusSize];
    formatHookRefusedStatus("Trainer", "mouse", GetLastError(), "the canvas takes no strokes", status);
    showStatus(status);
}

void removeCanvasHook() {
    if (trainer.mouseHook) UnhookWindowsHookEx(trainer.mouseHook);
    trainer.mouseHook = nullptr;
    trainer.hookFollowing = false;
    trainer.pointerQueue.clear();
    trainer.capture.capturing = false;
}
