// The tool square: the plugin's small styled window, its menu, and its receiver of host messages.
#pragma once

#include <windows.h>

LRESULT CALLBACK toolSquareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
