// The life of the host: log, settings, window, plugins, optional script, message loop, end.
#include "devhost/host_run.h"

#include <windows.h>

#include <cstdio>

#include "devhost/hook_timing.h"
#include "devhost/host_log.h"
#include "devhost/rc_pending.h"
#include "devhost/host_settings.h"
#include "devhost/host_state.h"
#include "devhost/host_window.h"
#include "devhost/menu_table.h"
#include "devhost/plugins.h"
#include "devhost/script_parser.h"
#include "devhost/script_runner.h"

namespace {

// Large enough to keep off the main thread's stack.
Script script;

int finish(int status) {
    LogLine line;
    logBegin(line, "host-exit");
    logAdd(line, " %d", status);
    logEnd(line);
    logClose();
    return status;
}

void runMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int runHost(const HostOptions& options) {
    hostStateInitPaths();
    if (options.settingsPath)
        std::snprintf(hostState.settingsPath, sizeof hostState.settingsPath, "%s", options.settingsPath);
    hostState.noLaunch = options.noLaunch;
    hostState.unattended = options.scriptPath != nullptr;

    if (options.logTimes) logEnableTimes();
    if (!logOpen(options.logPath)) {
        std::fprintf(stderr, "vantrel: error: cannot write the log \"%s\"\n", options.logPath);
        return 2;
    }
    for (int i = 0; i < options.omittedCount; ++i) logOmit(options.omitted[i]);

    // A script is checked whole before anything runs: a typo must not leave half a test run.
    if (options.scriptPath) {
        char error[600];
        if (!scriptLoad(options.scriptPath, script, error, sizeof error)) {
            std::fprintf(stderr, "vantrel: error: %s\n", error);
            LogLine line;
            logBegin(line, "script-refused");
            logAddText(line, error);
            logEnd(line);
            return finish(2);
        }
    }

    settingsLoad(hostState.settingsPath);
    if (!hostWindowCreate()) {
        std::fprintf(stderr, "vantrel: error: cannot create the host window (error %lu)\n",
                     static_cast<unsigned long>(GetLastError()));
        return finish(1);
    }

    // The script starts first, so that its "dialog" lines can answer message boxes a plugin
    // shows while it starts; its other lines wait for the plugins.
    bool scriptOk = true;
    if (options.scriptPath && !scriptStart(&script)) {
        std::fprintf(stderr, "vantrel: error: cannot start the script thread\n");
        scriptOk = false;
    }
    bool pluginsOk = pluginsStart(options.plugins, options.pluginCount);
    if (options.timeHooks) hookTimingStart();
    scriptPluginsStarted();
    if (scriptOk) runMessageLoop();
    scriptStop();
    if (scriptFailed()) scriptOk = false;

    hookTimingReport();
    pluginsEnd();
    rcPendingFlush(nullptr);  // what the plugins wrote last, the tool square's place among it
    menuFree(nullptr);
    hostWindowDestroy();
    if (!pluginsOk || !scriptOk) return finish(2);
    return finish(rcAnyWriteFailed() ? 3 : 0);
}
