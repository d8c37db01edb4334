// Text forms used in the host log: quoted texts with %XX escapes, window names, rectangles.
#pragma once

#include <windows.h>

#include <cstddef>

// Appends `text` to `out` as a quoted log text: between double quotes, backslashes kept,
// '"', '%', control characters and DEL written as %XX (upper-case hex). A null pointer is
// written as null, without quotes. Never writes past `outSize` bytes; a text that does not
// fit is cut and still closed with its quote.
void appendLogText(char* out, size_t outSize, const char* text);

// The length of `text` written by appendLogText with room enough: quotes and escapes included.
size_t logTextLength(const char* text);

// Appends a window as [ClassName]: null gives 0, a handle that is no window gives [?].
// Class names are stable across runs, handles are not.
void appendLogWindow(char* out, size_t outSize, HWND window);

// Appends printf-style text, cut at the buffer's end.
void appendLogFormat(char* out, size_t outSize, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
