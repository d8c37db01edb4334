// The gesture pad: a 450 by 450 popup that shows the stroke, drawn into a backing bitmap it keeps.
#pragma once

#include <windows.h>

#include <cstdint>

LRESULT CALLBACK padWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void showPad();  // only when the setting padShow is on
void hidePad();
void createPadBitmap();  // a new backing bitmap of the client area's size, filled with the gradient
void clearPadBitmap();   // the existing bitmap filled with the gradient again
void releasePadBitmap();
// A segment between two screen points with a pen of `width` and `colour`, and, when `label`
// is given and the setting padTips is on, the label 20 pixels right of the first point.
void drawPadSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, COLORREF colour, int32_t width,
                    const char* label);
