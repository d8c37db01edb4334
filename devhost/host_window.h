// The host's main window: the status label, keyboard shortcuts and the host's own menu.
#pragma once

#include <windows.h>

constexpr char kHostWindowClass[] = "VantrelHost";

// Sent by the script thread: lParam points to a ScriptCommand to run on the window thread;
// the result is 0 when it ran, 1 when it failed (the command holds the reason).
constexpr UINT WM_HOST_SCRIPT = WM_APP + 1;

// Registers the class and creates and shows the main window; stores it in hostState.
HWND hostWindowCreate();

// Destroys the main window (after the plugins have ended) and unregisters its class.
void hostWindowDestroy();

// The text of the status label.
void hostWindowStatus(char* out, int outSize);
