// Sending HOST_BROADCAST and HOST_RECONFIGURE to the windows registered for them.
#include "devhost/host_dispatch.h"

#include <windows.h>

#include <cstdio>

#include "devhost/host_log.h"
#include "devhost/rc_pending.h"
#include "devhost/host_settings.h"
#include "devhost/host_state.h"
#include "devhost/message_registry.h"
#include "contract/vantrel.h"

namespace {

const char* messageName(UINT message) {
    return message == HOST_BROADCAST ? "HOST_BROADCAST" : "HOST_RECONFIGURE";
}

// The recipients are taken before the first delivery: a handler may register or unregister
// windows (its own or others), and a window unregistered meanwhile gets nothing more.
void deliver(UINT message, const char* text) {
    HWND recipients[kMaxRegisteredWindows];
    int count = registryRecipients(message, recipients, kMaxRegisteredWindows);
    for (int i = 0; i < count; ++i) {
        if (!registryHas(recipients[i], message)) continue;
        LogLine line;
        logBegin(line, "deliver");
        logAddWindow(line, recipients[i]);
        logAdd(line, " %s", messageName(message));
        if (text) logAddLongText(line, text);
        logEnd(line);
        SendMessageA(recipients[i], message, 0, reinterpret_cast<LPARAM>(text));
    }
}

}  // namespace

void hostBroadcast(const char* text) {
    // Each broadcast keeps its own copy: a handler may broadcast again before this one ends.
    char copy[kBroadcastTextSize];
    std::snprintf(copy, sizeof copy, "%s", text ? text : "");
    hostBroadcastWhole(copy);
}

void hostBroadcastWhole(const char* text) {
    LogLine line;
    logBegin(line, "broadcast");
    logAddLongText(line, text);
    logEnd(line);
    deliver(HOST_BROADCAST, text);
}

void hostReconfigure() {
    logWrite("reconfigure");
    rcPendingFlush(nullptr);
    settingsLoad(hostState.settingsPath);
    if (hostState.mainWindow) InvalidateRect(hostState.mainWindow, nullptr, TRUE);
    deliver(HOST_RECONFIGURE, nullptr);
}
