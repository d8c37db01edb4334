// Host exports about the host itself: its window, folder and editor, file tests and launching.
#define VANTREL_BUILDING_HOST
#include "contract/vantrel.h"

#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "devhost/host_log.h"
#include "devhost/rc_pending.h"
#include "devhost/host_settings.h"
#include "devhost/host_state.h"

// What VTExecute gives back under --no-launch: above 32, as ShellExecuteA reports a success.
static const intptr_t kSkippedLaunchResult = 33;

HWND GetVTWnd(void) {
    LogLine line;
    logBegin(line, "GetVTWnd ->");
    logAddWindow(line, hostState.mainWindow);
    logEnd(line);
    return hostState.mainWindow;
}

void GetVantrelPath(char* buffer, int size) {
    LogLine line;
    logBegin(line, "GetVantrelPath");
    logAdd(line, " %d", size);
    if (buffer && size > 0) {
        std::snprintf(buffer, static_cast<size_t>(size), "%s", hostState.exeFolder);
        logAdd(line, " ->");
        logAddText(line, buffer);
    }
    logEnd(line);
}

void GetVantrelEditor(char* buffer) {
    LogLine line;
    logBegin(line, "GetVantrelEditor");
    if (buffer) {
        std::snprintf(buffer, MAX_PATH, "%s", hostSettings.editor);
        logAdd(line, " ->");
        logAddText(line, buffer);
    } else {
        logAdd(line, " null");
    }
    logEnd(line);
}

// Only files count: a plugin looking for its rc file must not take a folder of that name.
BOOL FileExists(const char* path) {
    rcPendingFlush(nullptr);  // a file the host is about to write exists already
    DWORD attributes = (path && path[0]) ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
    BOOL exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    LogLine line;
    logBegin(line, "FileExists");
    logAddText(line, path);
    logAdd(line, " -> %d", exists ? 1 : 0);
    logEnd(line);
    return exists;
}

static const char* defaultWhenEmpty(const char* text) { return (text && text[0]) ? text : nullptr; }

static void logLaunch(intptr_t result) {
    LogLine line;
    logBegin(line, "launch");
    if (hostState.noLaunch) {
        logAdd(line, " skipped -> %ld", static_cast<long>(result));
    } else if (result > 32) {
        logAdd(line, " started -> %ld", static_cast<long>(result));
    } else {
        char reason[256] = "";
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(result), 0, reason, sizeof reason, nullptr);
        size_t length = std::strlen(reason);
        while (length > 0 && (reason[length - 1] == '\r' || reason[length - 1] == '\n'))
            reason[--length] = '\0';
        logAdd(line, " failed -> %ld", static_cast<long>(result));
        logAddText(line, reason);
    }
    logEnd(line);
}

HINSTANCE VTExecute(HWND owner, const char* operation, const char* command, const char* arguments,
                    const char* directory, int show, int flag) {
    LogLine line;
    logBegin(line, "VTExecute");
    logAddNamedWindow(line, "owner", owner);
    logAddNamedText(line, "operation", operation);
    logAddNamedText(line, "command", command);
    logAddNamedText(line, "arguments", arguments);
    logAddNamedText(line, "directory", directory);
    logAdd(line, " show=%d flag=%d", show, flag);
    logEnd(line);

    intptr_t result = kSkippedLaunchResult;
    if (!hostState.noLaunch) {
        // Some verbs and file types are started through COM; once per host is enough.
        static bool comReady = false;
        if (!comReady) {
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
            comReady = true;
        }
        result = reinterpret_cast<intptr_t>(ShellExecuteA(owner, defaultWhenEmpty(operation),
                                                          command ? command : "", arguments,
                                                          defaultWhenEmpty(directory), show));
    }
    logLaunch(result);
    return reinterpret_cast<HINSTANCE>(result);
}
