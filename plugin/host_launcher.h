// Connects the engine's launcher to the host: status texts to the host window, launches to VTExecute.
#pragma once

#include <windows.h>

#include "engine/command_launcher.h"

// `hostWindow` is read at every call, so the launcher follows the window the plugin holds.
LauncherHost hostLauncher(HWND* hostWindow);
