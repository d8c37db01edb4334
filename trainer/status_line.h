// The trainer's own status line, at the bottom of its window: the last status the trainer gave the host, kept as the window's text.
#pragma once

#include <windows.h>

constexpr char kStatusLineClass[] = "TrazzleStatus";

LRESULT CALLBACK statusLineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows `text` in the status line (its window text, so it reads back with GetWindowText).
void setStatusLine(const char* text);
