// Saving a window's pixels as a BMP file, for tests and demos that run without a screen.
#pragma once

#include <windows.h>

#include <cstddef>

// Writes the whole window `name` gives (a class, or PARENT/CHILD: see window_lookup.h) as a
// bottom-up 24-bit BMP. Pending paints are done first. Logs the capture; false with the reason
// in `error`.
bool captureWindow(const char* name, const char* path, char* error, size_t errorSize);
