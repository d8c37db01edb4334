// Running a script: input injected from a second thread, window commands on the window thread.
//
// Injected input must come from a thread other than the window thread: low-level hooks run on
// the window thread, and SendInput waits until they have returned. Commands that touch windows
// go to the window thread with SendMessage, so they run in order with what the plugins do.
//
// A plugin may show a message box while it handles a command (or while it starts): the box
// runs a modal loop on the window thread, and the command does not finish until someone
// answers it. So the script thread hands each command to a worker thread and waits until it
// finishes or a message box of the process shows; then the next line, "dialog", answers the
// box, and any other line first waits for the unfinished command. The script thread starts
// before the plugins, so "dialog" can answer a box shown by beginPlugin; every other line
// waits until the plugins have started.
#include "devhost/script_runner.h"

#include <cstdio>
#include <cstring>

#include "devhost/bmp_capture.h"
#include "devhost/hook_timing.h"
#include "devhost/host_dispatch.h"
#include "devhost/host_log.h"
#include "devhost/rc_pending.h"
#include "devhost/host_state.h"
#include "devhost/host_window.h"
#include "devhost/menu_show.h"
#include "devhost/plugins.h"
#include "devhost/script_probes.h"
#include "devhost/window_lookup.h"

namespace {

constexpr DWORD kDialogWaitMs = 5000;
constexpr DWORD kPollMs = 10;

Script* running = nullptr;
HANDLE scriptThread = nullptr;
HANDLE workerThread = nullptr;
HANDLE workStart = nullptr;     // auto-reset: the worker has a command to run
HANDLE workIdle = nullptr;      // manual-reset: the worker has finished its command
HANDLE pluginsReady = nullptr;  // manual-reset: the plugins have started
ScriptCommand* volatile workCommand = nullptr;
volatile LONG workFailed = 0;
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

// Absolute moves arrive exactly; relative ones are accelerated by the system. `wheel` is the
// wheel's turn for MOUSEEVENTF_WHEEL.
bool injectMouse(DWORD flags, int x, int y, int wheel = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = static_cast<DWORD>(wheel);
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

// "await": until the log holds the line, the host stops or the limit passes.
bool awaitLine(ScriptCommand& command) {
    DWORD start = GetTickCount();
    while (!stopRequested) {
        if (logTakeLine(command.argument)) return true;
        if (GetTickCount() - start >= static_cast<DWORD>(command.a)) break;
        Sleep(kPollMs);
    }
    if (stopRequested) return true;  // the host is closing; nothing is left to wait for
    std::snprintf(command.error, sizeof command.error, "no line beginning with %.200s within %d ms",
                  command.argument, command.a);
    return false;
}

// "await-text": until the window's whole text reads so, the host stops or the limit passes.
// The window's own thread answers GetWindowText, so what it set before is what is read.
bool awaitWindowText(ScriptCommand& command) {
    DWORD start = GetTickCount();
    char text[MAX_PATH] = "";
    while (!stopRequested) {
        HWND window = findNamedWindow(command.argument);
        text[0] = '\0';
        if (window) GetWindowTextA(window, text, sizeof text);
        if (window && std::strcmp(text, command.file) == 0) return true;
        if (GetTickCount() - start >= static_cast<DWORD>(command.a)) break;
        Sleep(kPollMs);
    }
    if (stopRequested) return true;
    std::snprintf(command.error, sizeof command.error, "%.60s did not show \"%.60s\" within %d ms, but \"%.60s\"",
                  command.argument, command.file, command.a, text);
    return false;
}

// Runs one command on the worker thread; false when it failed (reason in command.error).
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
    case kOpWheel:
        if (injectMouse(MOUSEEVENTF_WHEEL, 0, 0, command.a)) return true;
        break;
    default:
        return SendMessageA(hostState.mainWindow, WM_HOST_SCRIPT, 0,
                            reinterpret_cast<LPARAM>(&command)) == 0;
    }
    std::snprintf(command.error, sizeof command.error, "SendInput failed (error %lu)",
                  static_cast<unsigned long>(GetLastError()));
    return false;
}

DWORD WINAPI workerThreadProc(LPVOID) {
    for (;;) {
        WaitForSingleObject(workStart, INFINITE);
        if (stopRequested) return 0;
        InterlockedExchange(&workFailed, runCommand(*workCommand) ? 0 : 1);
        SetEvent(workIdle);
    }
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

void logScriptLine(const ScriptCommand& command) {
    LogLine line;
    logBegin(line, "script");
    logAdd(line, " %d", command.line);
    logAddText(line, command.text);
    logEnd(line);
}

enum WaitEnd { kSignalled, kBoxShown, kStopped };

// Waits until `event` is signalled, or a message box of the process shows, or the host stops.
WaitEnd waitOrBox(HANDLE event) {
    for (;;) {
        if (WaitForSingleObject(event, kPollMs) == WAIT_OBJECT_0) return kSignalled;
        if (stopRequested) return kStopped;
        if (findMessageBox()) return kBoxShown;
    }
}

// Before a command other than "dialog": waits until the plugins have started and the command
// handed to the worker last has finished, and reports that one's failure. A box shown
// meanwhile would never be answered: that fails `command` (or the unfinished one).
bool settle(ScriptCommand& command, ScriptCommand*& pending) {
    WaitEnd end = waitOrBox(pluginsReady);
    if (end == kSignalled) end = waitOrBox(workIdle);
    if (end == kStopped) return false;
    ScriptCommand& blamed = pending ? *pending : command;
    if (end == kBoxShown) {
        std::snprintf(blamed.error, sizeof blamed.error,
                      "a message box is waiting for an answer (a \"dialog\" line)");
        reportFailure(blamed);
        return false;
    }
    pending = nullptr;
    if (workFailed) {
        InterlockedExchange(&workFailed, 0);
        reportFailure(blamed);
        return false;
    }
    return true;
}

// "dialog": waits for a message box, logs it and presses OK.
bool runDialog(ScriptCommand& command) {
    DWORD start = GetTickCount();
    HWND box = nullptr;
    while (!stopRequested && !(box = findMessageBox()) && GetTickCount() - start < kDialogWaitMs)
        Sleep(kPollMs);
    if (stopRequested) return false;
    logScriptLine(command);
    bool ok = box != nullptr;
    if (!box) std::snprintf(command.error, sizeof command.error, "no message box showed within 5 s");
    else ok = answerMessageBox(box, command.error, sizeof command.error);
    if (!ok) reportFailure(command);
    return ok;
}

struct Loop {
    int start;  // index of the repeat
    int left;   // passes still to run, this one included
};

DWORD WINAPI scriptThreadProc(LPVOID) {
    // The commands are the script's own copies: the window thread writes failure reasons
    // into them while the worker waits in SendMessage.
    Script* script = running;
    ScriptCommand* pending = nullptr;
    Loop loops[kMaxRepeatDepth];
    int depth = 0;
    bool quit = false;
    bool ok = true;
    for (int i = 0; i < script->count && ok && !stopRequested && !quit; ++i) {
        ScriptCommand& command = script->commands[i];
        if (command.op == kOpDialog) {
            ok = runDialog(command);
            continue;
        }
        if (!settle(command, pending)) {
            ok = false;
            break;
        }
        logScriptLine(command);
        switch (command.op) {
        case kOpWait: waitFor(command.a); break;
        case kOpAwait:
        case kOpAwaitText:
            if (!(command.op == kOpAwait ? awaitLine(command) : awaitWindowText(command))) {
                reportFailure(command);
                ok = false;
            }
            break;
        case kOpRepeat: loops[depth++] = {i, command.a}; break;
        case kOpEnd:
            if (--loops[depth - 1].left > 0) i = loops[depth - 1].start;
            else --depth;
            break;
        default:
            workCommand = &command;
            pending = &command;
            ResetEvent(workIdle);
            SetEvent(workStart);
            if (waitOrBox(workIdle) == kSignalled) {
                pending = nullptr;
                if (workFailed) {
                    InterlockedExchange(&workFailed, 0);
                    reportFailure(command);
                    ok = false;
                }
            }
            quit = command.op == kOpQuit;
            break;
        }
    }
    // A command still unfinished (a box was answered) must end before the script does.
    if (ok && !stopRequested && pending) ok = settle(*pending, pending);
    if (stopRequested) return 0;
    if (ok) logWrite("script-end");
    // After the last line, or after a failure, nobody is left to close the host.
    if (!quit) PostMessageA(hostState.mainWindow, WM_CLOSE, 0, 0);
    return 0;
}

void closeHandle(HANDLE& handle) {
    if (handle) CloseHandle(handle);
    handle = nullptr;
}

}  // namespace

bool scriptStart(Script* script) {
    running = script;
    for (int i = 0; i < script->count; ++i)
        if (script->commands[i].op == kOpAwait) logKeepLines(script->commands[i].argument);
    stopRequested = 0;
    failed = 0;
    workFailed = 0;
    workStart = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    workIdle = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    pluginsReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    workerThread = CreateThread(nullptr, 0, workerThreadProc, nullptr, 0, nullptr);
    if (!workerThread) return false;
    scriptThread = CreateThread(nullptr, 0, scriptThreadProc, nullptr, 0, nullptr);
    return scriptThread != nullptr;
}

void scriptPluginsStarted() {
    if (pluginsReady) SetEvent(pluginsReady);
}

void scriptStop() {
    if (!workerThread) return;
    InterlockedExchange(&stopRequested, 1);
    SetEvent(workStart);
    // The worker may be waiting in SendMessage to this thread: keep serving it.
    HANDLE threads[2] = {scriptThread, workerThread};
    for (HANDLE thread : threads) {
        if (!thread) continue;
        while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
    closeHandle(scriptThread);
    closeHandle(workerThread);
    closeHandle(workStart);
    closeHandle(workIdle);
    closeHandle(pluginsReady);
}

bool scriptFailed() { return failed != 0; }

LRESULT scriptRunOnWindowThread(ScriptCommand* command) {
    // What a command looks at or copies must hold every value written before it.
    rcPendingFlush(nullptr);
    // Large and used by one broadcast at a time: the script sends the next only after this
    // one has ended.
    static char fileText[kMaxBroadcastFileSize + 1];
    if (stopRequested) {
        std::snprintf(command->error, sizeof command->error, "the host is closing");
        return 1;
    }
    bool ok = true;
    switch (command->op) {
    case kOpBroadcast: hostBroadcast(command->argument); break;
    case kOpBroadcastFile:
        ok = readBroadcastFile(command->file, fileText, command->error, sizeof command->error);
        if (ok) hostBroadcastWhole(fileText);
        break;
    case kOpReconfigure: hostReconfigure(); break;
    case kOpMenu:
        ok = menuChoose(command->argument, command->hasValue, command->b, command->error,
                        sizeof command->error);
        break;
    case kOpCapture:
        ok = captureWindow(command->argument, command->file, command->error, sizeof command->error);
        break;
    case kOpWindow: logWindowState(command->argument); break;
    case kOpText: logWindowText(command->argument); break;
    case kOpMemory: logMemory(); break;
    case kOpFocus:
        ok = focusWindow(command->argument, command->error, sizeof command->error);
        break;
    case kOpCopy:
        ok = CopyFileA(command->argument, command->file, FALSE) != 0;
        if (!ok)
            std::snprintf(command->error, sizeof command->error, "cannot copy \"%s\" to \"%s\" (error %lu)",
                          command->argument, command->file, static_cast<unsigned long>(GetLastError()));
        break;
    case kOpClose: {
        // Sent, as the system's own close request would be, so the window's answer is in
        // place before the next line.
        HWND window = FindWindowA(command->argument, nullptr);
        ok = window != nullptr;
        if (ok) SendMessageA(window, WM_CLOSE, 0, 0);
        else std::snprintf(command->error, sizeof command->error, "no window of class \"%s\"", command->argument);
        break;
    }
    case kOpRestart:
        ok = pluginsRestart();
        if (!ok) std::snprintf(command->error, sizeof command->error, "a plugin did not start again");
        hookTimingRenew();
        break;
    case kOpQuit: PostQuitMessage(0); break;
    default: ok = false; break;
    }
    return ok ? 0 : 1;
}
