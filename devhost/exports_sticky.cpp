// Host exports MakeSticky and RemoveSticky: the set of windows that stay on every desktop.
//
// The stand-in host has a single desktop, so the set is only kept, shown in the host window
// and written to the log after every change request.
#define VANTREL_BUILDING_HOST
#include "contract/vantrel.h"

#include <cstring>

#include "devhost/host_log.h"
#include "devhost/host_state.h"
#include "devhost/sticky_set.h"

static HWND stickyWindows[kMaxStickyWindows];
static int stickyCount = 0;

static int findSticky(HWND window) {
    for (int i = 0; i < stickyCount; ++i)
        if (stickyWindows[i] == window) return i;
    return -1;
}

static void logStickySet() {
    LogLine line;
    logBegin(line, "sticky-set");
    for (int i = 0; i < stickyCount; ++i) logAddWindow(line, stickyWindows[i]);
    logEnd(line);
    if (hostState.mainWindow) InvalidateRect(hostState.mainWindow, nullptr, TRUE);
}

void MakeSticky(HWND window) {
    LogLine line;
    logBegin(line, "MakeSticky");
    logAddWindow(line, window);
    if (!IsWindow(window)) {
        logAdd(line, " -> refused (not a window)");
    } else if (findSticky(window) < 0) {
        if (stickyCount == kMaxStickyWindows) logAdd(line, " -> refused (no room)");
        else stickyWindows[stickyCount++] = window;
    }
    logEnd(line);
    logStickySet();
}

void RemoveSticky(HWND window) {
    LogLine line;
    logBegin(line, "RemoveSticky");
    logAddWindow(line, window);
    int index = findSticky(window);
    if (index < 0) {
        logAdd(line, " -> not sticky");
    } else {
        std::memmove(&stickyWindows[index], &stickyWindows[index + 1],
                     sizeof(HWND) * static_cast<size_t>(stickyCount - index - 1));
        --stickyCount;
    }
    logEnd(line);
    logStickySet();
}

int stickyWindowCount() { return stickyCount; }

void stickyClear() { stickyCount = 0; }
