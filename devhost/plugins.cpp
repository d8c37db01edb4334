// Loading plugins, starting them with beginPlugin and stopping them with endPlugin.
#include "devhost/plugins.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "contract/plugin_exports.h"
#include "devhost/host_log.h"
#include "devhost/host_state.h"

namespace {

constexpr int kInfoCount = 7;  // pluginInfo(0) to pluginInfo(6)

struct Plugin {
    char path[MAX_PATH];
    HMODULE module;
    EndPlugin end;
};

Plugin plugins[kMaxPlugins];
int runningCount = 0;
// The list pluginsStart was given (the command line's, alive for the whole run) and its full
// paths, for restarts: a plugin that changes the working folder does not change which files a
// restart loads. Empty for a path that has no full form within MAX_PATH.
const char* givenPaths[kMaxPlugins];
char fullPaths[kMaxPlugins][MAX_PATH];
int startCount = 0;

void logPluginEvent(const char* event, const char* path) {
    LogLine line;
    logBegin(line, event);
    logAddText(line, path);
    logEnd(line);
}

void reportFailure(const char* path, const char* reason) {
    std::fprintf(stderr, "vantrel: error: plugin \"%s\" %s\n", path, reason);
    std::fflush(stderr);
    LogLine line;
    logBegin(line, "plugin-error");
    logAddText(line, path);
    logAddText(line, reason);
    logEnd(line);
}

void systemErrorText(DWORD code, char* out, size_t outSize) {
    out[0] = '\0';
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   out, static_cast<DWORD>(outSize), nullptr);
    size_t length = std::strlen(out);
    while (length > 0 && (out[length - 1] == '\r' || out[length - 1] == '\n' || out[length - 1] == ' '))
        out[--length] = '\0';
    if (length == 0) std::snprintf(out, outSize, "system error %lu", static_cast<unsigned long>(code));
}

// GetProcAddress speaks of one function type for all; the plugin contract fixes the real ones.
template <typename Function>
Function findExport(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void unload(const char* path, HMODULE module, EndPlugin end) {
    if (end) {
        logPluginEvent("endPlugin", path);
        end(module);
    }
    FreeLibrary(module);
    logPluginEvent("plugin-unload", path);
}

void logInfo(const char* path, PluginInfo info) {
    for (int index = 0; index < kInfoCount; ++index) {
        LogLine line;
        logBegin(line, "pluginInfo");
        logAddText(line, path);
        logAdd(line, " %d", index);
        logAddText(line, info(index));
        logEnd(line);
    }
}

// A relative name given to LoadLibraryA goes through the DLL search order, whose first place
// is vantrel.exe's folder, not the working folder: ".\\trazzle.dll" run from the plugin's
// folder would load the copy beside the host, and its rc file would never be read.
void resolve(const char* given, char* full) {
    DWORD length = GetFullPathNameA(given, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) full[0] = '\0';
}

bool startOne(const char* given, const char* path) {
    if (!path[0]) {
        logPluginEvent("plugin-load", given);
        reportFailure(given, "was not loaded: its full path is longer than 259 characters");
        return false;
    }
    logPluginEvent("plugin-load", path);
    if (runningCount == kMaxPlugins) {
        reportFailure(path, "was not loaded: no room for more plugins");
        return false;
    }
    HMODULE module = LoadLibraryA(path);
    if (!module) {
        char text[256];
        char reason[320];
        DWORD code = GetLastError();
        systemErrorText(code, text, sizeof text);
        std::snprintf(reason, sizeof reason, "could not be loaded: %s", text);
        reportFailure(path, reason);
        return false;
    }
    auto begin = findExport<BeginPlugin>(module, "beginPlugin");
    auto end = findExport<EndPlugin>(module, "endPlugin");
    auto info = findExport<PluginInfo>(module, "pluginInfo");
    if (!begin || !end || !info) {
        char reason[128];
        std::snprintf(reason, sizeof reason, "lacks the export%s%s%s", begin ? "" : " beginPlugin",
                      end ? "" : " endPlugin", info ? "" : " pluginInfo");
        reportFailure(path, reason);
        unload(path, module, nullptr);
        return false;
    }
    logPluginEvent("beginPlugin", path);
    int result = begin(module);
    LogLine line;
    logBegin(line, "beginPlugin");
    logAddText(line, path);
    logAdd(line, " -> %d", result);
    logEnd(line);
    logInfo(path, info);
    if (result != 0) {
        char reason[64];
        std::snprintf(reason, sizeof reason, "did not start: beginPlugin returned %d", result);
        reportFailure(path, reason);
        // A failed start may leave windows or hooks behind; endPlugin must clear them before
        // the code they point into is unloaded.
        unload(path, module, end);
        return false;
    }
    Plugin& plugin = plugins[runningCount++];
    std::snprintf(plugin.path, sizeof plugin.path, "%s", path);
    plugin.module = module;
    plugin.end = end;
    if (hostState.mainWindow) InvalidateRect(hostState.mainWindow, nullptr, TRUE);
    return true;
}

}  // namespace

bool pluginsStart(const char* const* paths, int count) {
    startCount = count < kMaxPlugins ? count : kMaxPlugins;
    for (int i = 0; i < startCount; ++i) {
        givenPaths[i] = paths[i];
        resolve(paths[i], fullPaths[i]);
    }
    bool allStarted = true;
    for (int i = 0; i < startCount; ++i)
        if (!startOne(paths[i], fullPaths[i])) allStarted = false;
    return allStarted;
}

void pluginsEnd() {
    while (runningCount > 0) {
        Plugin& plugin = plugins[--runningCount];
        unload(plugin.path, plugin.module, plugin.end);
    }
}

bool pluginsRestart() {
    pluginsEnd();
    bool allStarted = true;
    for (int i = 0; i < startCount; ++i)
        if (!startOne(givenPaths[i], fullPaths[i])) allStarted = false;
    return allStarted;
}

int pluginCount() { return runningCount; }
