// The selected slot's examples as thumbnails: those the configuration gets wrong or misses framed in red; a click selects one, Delete removes it.
#pragma once

#include <windows.h>

constexpr int kExampleThumbSize = 48;

LRESULT CALLBACK examplesWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
