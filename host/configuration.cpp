// Finding the rc file and reading the settings and the 25 gesture slots through the host.
#include "host/configuration.h"

#include "host/host_calls.h"
#include "host/settings_loader.h"
#include "plugin_state/plugin_state.h"

void loadConfiguration() {
    locateRcThroughHost(plugin.windows.moduleInstance, plugin.settings.rcPath);
    SettingsReader reader = hostSettingsReader(plugin.settings.rcPath);
    readPluginSettings(reader, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                       plugin.settings);
    readGestureSlots(reader, plugin.table);
}
