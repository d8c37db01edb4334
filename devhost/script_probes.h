// Script commands that look at the process from outside: a window's state, memory, message boxes.
#pragma once

#include <windows.h>

#include <cstddef>

// Logs the window `name` gives (a class, or PARENT/CHILD: see window_lookup.h), hidden ones too,
// with its place in screen coordinates:
// "window [Class] visible=1 x=10 y=10 cx=20 cy=20 topmost=0 exstyle=0x00080080 alpha=255"
// (alpha=none when the window is not layered or has no opacity set), or "window [Class] none".
void logWindowState(const char* name);

// Logs the text of the window `name` gives (its title, or a control's text), hidden ones too:
// "text [Parent/Child] "the text"", or "text [Class] none".
void logWindowText(const char* name);

// With a class, makes its first top-level window the foreground window and gives it the
// keyboard focus (false with the reason when there is none); then, with or without, logs
// "focus foreground=[Class] active=[Class] focus=[Class]" as the window thread sees them.
bool focusWindow(const char* windowClass, char* error, size_t errorSize);

// Logs "memory private=BYTES": the process's private bytes (its commit charge), for soak runs.
void logMemory();

// A visible message box (a top-level "#32770" window) of this process, or null. Callable from
// any thread.
HWND findMessageBox();

// Logs the box ("dialog owner=0 topmost=0 caption="..." text="..."") and presses its OK
// button, then waits until the box is gone. False with the reason when it does not close.
bool answerMessageBox(HWND box, char* error, size_t errorSize);
