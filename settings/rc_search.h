// Where the plugin's rc file is: "trazzlerc" or "trazzle.rc" beside the plugin, then beside the host.
#pragma once

#include "settings/plugin_settings.h"

struct RcLocator {
    bool (*fileExists)(void* context, const char* path);
    // Fills `buffer` with the host's folder text; asked only when the plugin's folder has no
    // rc file.
    void (*hostFolder)(void* context, char* buffer, int size);
    void* context;
};

// The candidate name put in place of everything after the last backslash of `base` (all of
// `base` when it holds none). False, with `path` empty, when the result would not fit.
bool rcCandidatePath(const char* base, const char* name, char (&path)[kRcPathSize]);

// Tries the plugin's folder, then the host's, "trazzlerc" before "trazzle.rc" in each, and
// gives the first that exists. With none, "trazzle.rc" in the plugin's folder, so later
// writes create it there. A candidate that does not fit in 259 characters is never tried or
// used: a cut path would name another file. When even the fallback does not fit, the host's
// "trazzle.rc" is used, and when that does not fit either, the path is empty (every read
// gives its default and every write fails). An empty folder text (an unusable module path)
// is skipped.
void locateRcFile(const char* modulePath, const RcLocator& locator, char (&rcPath)[kRcPathSize]);
