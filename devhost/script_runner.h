// Running a script: input injected from a second thread, window commands on the window thread.
#pragma once

#include <windows.h>

#include "devhost/script_parser.h"

// Starts the script on its own thread (and a worker thread that runs its commands), before
// the plugins start: only "dialog" lines run until scriptPluginsStarted(). When it ends, by
// "quit" or after its last line, the host quits; a command that fails ends it early and makes
// scriptFailed() true.
bool scriptStart(Script* script);

// The plugins have started (or failed to): the script's other commands may run.
void scriptPluginsStarted();

// Asks a running script to stop and waits for its threads, still serving its window
// commands meanwhile (they are refused). Call on the window thread.
void scriptStop();

bool scriptFailed();

// The window-thread half of a command (broadcast, broadcast-file, reconfigure, menu,
// capture, window, memory, restart, quit), called
// by the host window for WM_HOST_SCRIPT. 0 when it ran, 1 when it failed.
LRESULT scriptRunOnWindowThread(ScriptCommand* command);
