// Module-wide state of the stand-in host that several parts read: its windows, folders and modes.
#pragma once

#include <windows.h>

struct HostState {
    HWND mainWindow;              // the host window plugins reach through GetVTWnd
    char exeFolder[MAX_PATH];     // folder of vantrel.exe, with its trailing backslash
    char settingsPath[MAX_PATH];  // the host's own settings file, vantrel.rc unless --rc
    bool noLaunch;                // VTExecute only logs
    bool unattended;              // a script drives the host: ShowMenu must not wait for a person
};

extern HostState hostState;

// Fills exeFolder from the running module and settingsPath with vantrel.rc beside it.
void hostStateInitPaths();
