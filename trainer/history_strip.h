// The History view: the strokes trazzle handled, newest first, as thumbnails with their text and what they launched; a click says what today's texts launch, a drag onto a slot row or the context menu gives one to a slot, Delete removes it.
#pragma once

#include <windows.h>

LRESULT CALLBACK historyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
