// The hotkey and the pointer: a keyboard hook for the plugin's life, a mouse hook during a capture.
#pragma once

#include <windows.h>

void installKeyboardHook();
// Removes whichever hooks are installed; leaves the capture flag alone.
void removeHooks();

LRESULT CALLBACK keyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK mouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
