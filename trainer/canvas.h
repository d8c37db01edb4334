// The canvas: a child window to draw strokes on with the left button, shown as the pad shows them, never launching anything.
#pragma once

#include <windows.h>

constexpr int kCanvasSize = 320;

LRESULT CALLBACK canvasWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A low-level mouse hook follows presses on the canvas, for the plugin's life. It never
// consumes an event, and only queues what it sees for the canvas (kCanvasInput).
void installCanvasHook();
void removeCanvasHook();

// Works through the queued pointer events: the stroke drawn, and at its release the status and
// the recording. The canvas does it for the hook's message; a command does it first, so that
// it comes after every stroke drawn before it.
void takeCanvasInput();
// Frames the canvas red while recording, and takes the frame away when it stops.
void showCanvasRecording();
