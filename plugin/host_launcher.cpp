// Connects the engine's launcher to the host: status texts to the host window, launches to VTExecute.
#include "plugin/host_launcher.h"

#include "win32/host_calls.h"
#include "contract/vantrel.h"

static void sendStatus(void* context, const char* text) {
    sendHostStatus(*static_cast<HWND*>(context), text);
}

static intptr_t execute(void*, uintptr_t owner, const char* operation, const char* command,
                        const char* arguments, const char* directory, int32_t show, int32_t flag) {
    HINSTANCE result = VTExecute(reinterpret_cast<HWND>(owner), operation, command, arguments,
                                 directory, show, flag);
    return reinterpret_cast<intptr_t>(result);
}

LauncherHost hostLauncher(HWND* hostWindow) {
    LauncherHost host;
    host.setStatus = sendStatus;
    host.execute = execute;
    host.context = hostWindow;
    return host;
}
