// The one way trazzle's windows and the trainer's draw: into a memory context, copied to the screen in one BitBlt.
#pragma once

#include <windows.h>

// Draws into `memory`, a memory context holding a picture of a window's client area `client`.
// `context` is the caller's, passed through.
using DrawPicture = void (*)(HDC memory, RECT client, const void* context);

// Runs `draw` on a memory context holding `picture`, a bitmap the caller owns and keeps, sized
// to `window`'s client area; nothing reaches the screen until the window next paints.
void drawIntoPicture(HWND window, HBITMAP picture, DrawPicture draw, const void* context = nullptr);

// Answers WM_PAINT: BeginPaint, `draw` into a memory context holding `picture` (a bitmap the
// caller owns, which keeps what is drawn) or, when null, a bitmap made for this paint the size
// of the client area, one BitBlt of the part to repaint, EndPaint. Drawing whole and copying
// once is what keeps the window from flickering.
void paintThroughMemory(HWND window, HBITMAP picture, DrawPicture draw, const void* context = nullptr);
