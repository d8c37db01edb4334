// Saving a window's pixels as a BMP file, for tests and demos that run without a screen.
#pragma once

#include <windows.h>

#include <cstddef>

// Writes the whole window (the first top-level window of `windowClass`) as a bottom-up 24-bit
// BMP. Pending paints are done first. Logs the capture; false with the reason in `error`.
bool captureWindow(const char* windowClass, const char* path, char* error, size_t errorSize);

// The same for a window handle.
bool captureWindowHandle(HWND window, const char* path, char* error, size_t errorSize);
