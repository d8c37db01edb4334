// The canvas: a child window to draw strokes on with the left button, shown as the pad shows them, never launching anything.
#pragma once

#include <windows.h>

constexpr int kCanvasSize = 320;

LRESULT CALLBACK canvasWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A low-level mouse hook follows presses on the canvas, for the plugin's life. It never
// consumes an event.
void installCanvasHook();
void removeCanvasHook();
