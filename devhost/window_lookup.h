// The windows script commands name: "CLASS", a top-level window, or "PARENT/CHILD", a window inside one.
#pragma once

#include <windows.h>

#include "devhost/host_log.h"

// The first top-level window of class CLASS; for "PARENT/CHILD", the first window of class
// CHILD (at any depth) inside the first top-level window of class PARENT, "PARENT/CHILD#N" the
// Nth of them in the system's order. Null when none.
HWND findNamedWindow(const char* name);

// Writes the window the way the log names windows: " [Class]" for a top-level window,
// " [PARENT/CHILD]" for one inside another.
void logAddNamedWindowSpec(LogLine& line, const char* name, HWND window);
