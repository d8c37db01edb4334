// Applies sizes, opacity, z-order, positions and the hide-with-plugins rule to both plugin windows.
#pragma once

#include <windows.h>

void applyWindowPlacement();

// WM_WINDOWPOSCHANGING of either window: the host pulls the proposed position onto a near
// screen edge, only while the setting asks for it and the window is visible.
void snapWhileVisible(HWND window, WINDOWPOS* position);
