// The selected slot's examples as thumbnails in rows that scroll: those the configuration gets wrong or misses framed in red; a click selects one, Delete removes it.
#pragma once

#include <windows.h>

constexpr int kExampleThumbSize = 48;
// As TrainerState::examplesTopRow: scrolled to the last rows.
constexpr int kExamplesEnd = 1 << 30;

LRESULT CALLBACK examplesWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// After the selected slot's examples changed: the scroll bar's range and position (the first
// row kept in range), and a repaint.
void updateExamplesStrip();
