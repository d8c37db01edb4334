// Script commands that look at the process from outside: a window's state, memory, message boxes.
#include "devhost/script_probes.h"

#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "devhost/host_log.h"
#include "devhost/window_lookup.h"

namespace {

constexpr char kDialogClass[] = "#32770";
constexpr int kMessageTextId = 0xFFFF;  // the static control holding a message box's text
constexpr DWORD kCloseTimeoutMs = 5000;

BOOL CALLBACK findBoxProc(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[16];
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
        !GetClassNameA(window, name, sizeof name) || std::strcmp(name, kDialogClass) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

void logWindowState(const char* name) {
    LogLine line;
    logBegin(line, "window");
    HWND window = findNamedWindow(name);
    logAddNamedWindowSpec(line, name, window);
    if (!window) {
        logAdd(line, " none");
        logEnd(line);
        return;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    logAdd(line, " visible=%d x=%ld y=%ld cx=%ld cy=%ld topmost=%d exstyle=0x%08lX",
           IsWindowVisible(window) ? 1 : 0, static_cast<long>(rect.left), static_cast<long>(rect.top),
           static_cast<long>(rect.right - rect.left), static_cast<long>(rect.bottom - rect.top),
           (exStyle & WS_EX_TOPMOST) ? 1 : 0, static_cast<unsigned long>(exStyle));
    BYTE alpha = 0;
    DWORD flags = 0;
    if ((exStyle & WS_EX_LAYERED) && GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) &&
        (flags & LWA_ALPHA))
        logAdd(line, " alpha=%u", static_cast<unsigned>(alpha));
    else
        logAdd(line, " alpha=none");
    logEnd(line);
}

void logWindowText(const char* name) {
    LogLine line;
    logBegin(line, "text");
    HWND window = findNamedWindow(name);
    logAddNamedWindowSpec(line, name, window);
    if (window) {
        char text[1024] = "";
        GetWindowTextA(window, text, sizeof text);
        logAddText(line, text);
    } else {
        logAdd(line, " none");
    }
    logEnd(line);
}

bool focusWindow(const char* windowClass, char* error, size_t errorSize) {
    if (windowClass[0]) {
        HWND window = FindWindowA(windowClass, nullptr);
        if (!window) {
            std::snprintf(error, errorSize, "no window of class \"%s\"", windowClass);
            return false;
        }
        SetForegroundWindow(window);
        SetFocus(window);
    }
    LogLine line;
    logBegin(line, "focus");
    logAddNamedWindow(line, "foreground", GetForegroundWindow());
    logAddNamedWindow(line, "active", GetActiveWindow());
    logAddNamedWindow(line, "focus", GetFocus());
    logEnd(line);
    return true;
}

void logMemory() {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    // Windows gives the commit charge in both fields; Wine 8 leaves PrivateUsage 0 and gives
    // the process's anonymous resident memory as PagefileUsage.
    SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    logPrintf("memory private=%llu", static_cast<unsigned long long>(bytes));
}

HWND findMessageBox() {
    HWND found = nullptr;
    EnumWindows(findBoxProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool answerMessageBox(HWND box, char* error, size_t errorSize) {
    // The box runs its own loop on the thread that showed it, which answers these requests.
    char caption[512] = "";
    char text[1024] = "";
    GetWindowTextA(box, caption, sizeof caption);
    GetDlgItemTextA(box, kMessageTextId, text, sizeof text);
    LogLine line;
    logBegin(line, "dialog");
    logAddNamedWindow(line, "owner", GetWindow(box, GW_OWNER));
    logAdd(line, " topmost=%d", (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    logAddNamedText(line, "caption", caption);
    logAddNamedText(line, "text", text);
    logEnd(line);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    // Gone before the next command looks for a box, so it never finds this one again.
    DWORD start = GetTickCount();
    while (IsWindow(box)) {
        if (GetTickCount() - start > kCloseTimeoutMs) {
            std::snprintf(error, errorSize, "the message box did not close");
            return false;
        }
        Sleep(5);
    }
    return true;
}
