// Finding the rc file and reading the settings and the 25 gesture slots through the host.
#include "host/configuration.h"

#include <cstdio>

#include "host/rc_search.h"
#include "host/settings_loader.h"
#include "host/vantrel.h"
#include "plugin_state/plugin_state.h"

namespace {

bool hostFileExists(void*, const char* path) { return FileExists(path) != 0; }

void hostFolder(void*, char* buffer, int size) { GetVantrelPath(buffer, size); }

int32_t hostReadInt(void*, const char* key, int32_t defaultValue) {
    return ReadInt(plugin.settings.rcPath, key, defaultValue);
}

bool hostReadBool(void*, const char* key, bool defaultValue) {
    return ReadBool(plugin.settings.rcPath, key, defaultValue ? TRUE : FALSE) != 0;
}

void hostReadString(void*, const char* key, const char* defaultValue, char* out, size_t outSize) {
    // The host's text lives only until its next read: copy it now, cut to the slot's size.
    const char* value = ReadString(plugin.settings.rcPath, key, defaultValue);
    std::snprintf(out, outSize, "%s", value ? value : "");
}

}  // namespace

void loadConfiguration() {
    char modulePath[kRcPathSize] = "";
    DWORD length = GetModuleFileNameA(plugin.windows.moduleInstance, modulePath, sizeof modulePath);
    // A path longer than the buffer comes back cut (and, on old systems, unterminated): it
    // names no real folder, so no candidate is looked for beside it.
    if (length >= sizeof modulePath) modulePath[0] = '\0';
    modulePath[sizeof modulePath - 1] = '\0';

    RcLocator locator = {hostFileExists, hostFolder, nullptr};
    locateRcFile(modulePath, locator, plugin.settings.rcPath);

    SettingsReader reader = {hostReadInt, hostReadBool, hostReadString, nullptr};
    readPluginSettings(reader, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                       plugin.settings);
    readGestureSlots(reader, plugin.table);
}
