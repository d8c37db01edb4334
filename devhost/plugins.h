// Loading plugins, starting them with beginPlugin and stopping them with endPlugin.
#pragma once

constexpr int kMaxPlugins = 32;

// Loads and starts each plugin in order, by its full path: a relative one is taken from the
// working folder, and the full path is what the log and stderr show. A plugin that cannot be loaded, lacks one of the
// three exports or whose beginPlugin returns nonzero is reported on stderr and in the log,
// and the others still start. False when any failed.
bool pluginsStart(const char* const* paths, int count);

// Ends the running plugins, the last started first, and unloads them.
void pluginsEnd();

// Ends the running plugins, then loads and starts the ones pluginsStart was given again, in
// the same order and logged the same way. False when any failed to start.
bool pluginsRestart();

int pluginCount();
