// The three functions every plugin exports by these plain names and the host looks up in it.
#pragma once

#include <windows.h>

#define PLUGIN_EXPORT extern "C" __declspec(dllexport)

// Starts the plugin in the host's process: 0 when it runs, nonzero when it refused to start (the
// host then still calls endPlugin, so what was made before the refusal is undone).
PLUGIN_EXPORT int beginPlugin(HINSTANCE module);
// Stops it: windows, hooks and registrations made by beginPlugin are gone when it returns.
PLUGIN_EXPORT void endPlugin(HINSTANCE module);
// Its identity texts by index (0 to 6); any other index answers index 0's.
PLUGIN_EXPORT const char* pluginInfo(int index);

// How the host holds them once found.
using BeginPlugin = decltype(&beginPlugin);
using EndPlugin = decltype(&endPlugin);
using PluginInfo = decltype(&pluginInfo);
