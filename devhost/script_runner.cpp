// Running a script: input injected from a second thread, window commands on the window thread.
//
// Injected input must come from a thread other than the window thread: low-level hooks run on
// the window thread, and SendInput waits until they have returned. Commands that touch windows
// go to the window thread with SendMessage, so the script waits for each one to finish and
// the log keeps the order of cause and effect.
#include "devhost/script_runner.h"

#include <cstdio>

#include "devhost/bmp_capture.h"
#include "devhost/host_dispatch.h"
#include "devhost/host_log.h"
#include "devhost/host_state.h"
#include "devhost/host_window.h"
#include "devhost/menu_show.h"

namespace {

Script* running = nullptr;
HANDLE scriptThread = nullptr;
volatile LONG stopRequested = 0;
volatile LONG failed = 0;

bool isExtendedKey(int vk) {
    switch (vk) {
    case VK_LWIN: case VK_RWIN: case VK_APPS: case VK_LEFT: case VK_RIGHT: case VK_UP:
    case VK_DOWN: case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR:
    case VK_NEXT: case VK_RCONTROL: case VK_RMENU: case VK_DIVIDE: case VK_NUMLOCK:
        return true;
    }
    return false;
}

bool injectKey(int vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(vk);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(static_cast<UINT>(vk), MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return SendInput(1, &input, sizeof input) == 1;
}

// Absolute moves arrive exactly; relative ones are accelerated by the system.
bool injectMouse(DWORD flags, int x, int y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        long long width = GetSystemMetrics(SM_CXSCREEN);
        long long height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((x * 65536LL + width - 1) / width);
        input.mi.dy = static_cast<LONG>((y * 65536LL + height - 1) / height);
    }
    return SendInput(1, &input, sizeof input) == 1;
}

void waitFor(int milliseconds) {
    // In short steps, so a host closed meanwhile does not wait for the rest.
    DWORD start = GetTickCount();
    while (!stopRequested && GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
        DWORD left = static_cast<DWORD>(milliseconds) - (GetTickCount() - start);
        Sleep(left < 20 ? left : 20);
    }
}

// Runs one command on the script thread; false when it failed (reason in command.error).
bool runCommand(ScriptCommand& command) {
    switch (command.op) {
    case kOpKeyDown:
    case kOpKeyUp:
        if (injectKey(command.a, command.op == kOpKeyUp)) return true;
        break;
    case kOpButtonDown:
    case kOpButtonUp:
        if (injectMouse(static_cast<DWORD>(command.a), 0, 0)) return true;
        break;
    case kOpMove:
        if (injectMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, command.a, command.b)) return true;
        break;
    case kOpWait:
        waitFor(command.a);
        return true;
    default:
        return SendMessageA(hostState.mainWindow, WM_HOST_SCRIPT, 0,
                            reinterpret_cast<LPARAM>(&command)) == 0;
    }
    std::snprintf(command.error, sizeof command.error, "SendInput failed (error %lu)",
                  static_cast<unsigned long>(GetLastError()));
    return false;
}

void reportFailure(const ScriptCommand& command) {
    InterlockedExchange(&failed, 1);
    LogLine line;
    logBegin(line, "script-error");
    logAdd(line, " %d", command.line);
    logAddText(line, command.error);
    logEnd(line);
    std::fprintf(stderr, "vantrel: error: %s:%d: %s\n", running->fileName, command.line,
                 command.error);
    std::fflush(stderr);
}

DWORD WINAPI scriptThreadProc(LPVOID) {
    // The commands are the script's own copies: the window thread writes failure reasons
    // into them while this thread waits in SendMessage.
    Script* script = running;
    bool quit = false;
    for (int i = 0; i < script->count && !stopRequested && !quit; ++i) {
        ScriptCommand& command = script->commands[i];
        LogLine line;
        logBegin(line, "script");
        logAdd(line, " %d", command.line);
        logAddText(line, command.text);
        logEnd(line);
        if (!runCommand(command)) {
            if (!stopRequested) reportFailure(command);
            break;
        }
        quit = command.op == kOpQuit;
    }
    if (stopRequested) return 0;
    if (!failed) logWrite("script-end");
    // After the last line, or after a failure, nobody is left to close the host.
    if (!quit) PostMessageA(hostState.mainWindow, WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace

bool scriptStart(Script* script) {
    running = script;
    stopRequested = 0;
    failed = 0;
    scriptThread = CreateThread(nullptr, 0, scriptThreadProc, nullptr, 0, nullptr);
    return scriptThread != nullptr;
}

void scriptStop() {
    if (!scriptThread) return;
    InterlockedExchange(&stopRequested, 1);
    // The script thread may be waiting in SendMessage to this thread: keep serving it.
    while (MsgWaitForMultipleObjects(1, &scriptThread, FALSE, INFINITE, QS_SENDMESSAGE) !=
           WAIT_OBJECT_0) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(scriptThread);
    scriptThread = nullptr;
}

bool scriptFailed() { return failed != 0; }

LRESULT scriptRunOnWindowThread(ScriptCommand* command) {
    if (stopRequested) {
        std::snprintf(command->error, sizeof command->error, "the host is closing");
        return 1;
    }
    bool ok = true;
    switch (command->op) {
    case kOpBroadcast: hostBroadcast(command->argument); break;
    case kOpReconfigure: hostReconfigure(); break;
    case kOpMenu:
        ok = menuChoose(command->argument, command->hasValue, command->b, command->error,
                        sizeof command->error);
        break;
    case kOpCapture:
        ok = captureWindow(command->argument, command->file, command->error, sizeof command->error);
        break;
    case kOpQuit: PostQuitMessage(0); break;
    default: ok = false; break;
    }
    return ok ? 0 : 1;
}
