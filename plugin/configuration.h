// Finding the rc file and reading the settings and the 25 gesture slots through the host.
#pragma once

// Fills rcPath, PluginSettings and the GestureTable; runs at start and on every reconfiguration.
void loadConfiguration();
