// Finding the rc file and reading the settings and the 25 gesture slots through the host.
#include "plugin/configuration.h"

#include <cstdio>

#include "win32/host_calls.h"
#include "settings/hotkey_rule.h"
#include "settings/settings_loader.h"
#include "plugin/plugin_state.h"

void loadConfiguration() {
    locateRcThroughHost(plugin.windows.moduleInstance, plugin.settings.rcPath);
    SettingsReader reader = hostSettingsReader(plugin.settings.rcPath);
    readPluginSettings(reader, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                       plugin.settings);
    readGestureSlots(reader, plugin.table);
    if (plugin.settings.storedHotkey != plugin.settings.hotkey) {
        // Said at every load, so the user who set it learns why the key does nothing.
        char status[256];
        std::snprintf(status, sizeof status, "Trazzle -> hotkey not used, %s instead: %s",
                      hotkeyName(plugin.settings.hotkey).c_str(), hotkeyRefusal(plugin.settings.storedHotkey).c_str());
        sendHostStatus(plugin.windows.hostWindow, status);
    }
}
