// Module-wide state of the stand-in host that several parts read: its windows, folders and modes.
#include "devhost/host_state.h"

#include <cstdio>
#include <cstring>

HostState hostState;

void hostStateInitPaths() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) path[0] = '\0';
    char* lastSlash = std::strrchr(path, '\\');
    if (lastSlash) lastSlash[1] = '\0';
    std::snprintf(hostState.exeFolder, sizeof hostState.exeFolder, "%s", path);
    std::snprintf(hostState.settingsPath, sizeof hostState.settingsPath, "%svantrel.rc", path);
}
