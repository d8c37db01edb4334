// The plugin's commands: its menu, the host's broadcasts, setting toggles and reconfiguration.
#pragma once

// Builds the plugin menu through the host and shows it; `flag` goes to both MakeNamedMenu calls.
void showPluginMenu(int flag);
void handleBroadcast(const char* text);
void handleReconfigure();
