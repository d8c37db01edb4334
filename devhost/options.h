// The command line of vantrel.exe: options first, then the plugins to load.
#pragma once

#include <cstddef>
#include <cstdio>

#include "devhost/plugins.h"

constexpr int kMaxOmittedLogWords = 16;

struct HostOptions {
    const char* logPath;       // --log FILE; null: standard output
    const char* scriptPath;    // --script FILE
    const char* settingsPath;  // --rc FILE; null: vantrel.rc beside vantrel.exe
    bool noLaunch;             // --no-launch
    bool logTimes;             // --log-times
    bool timeHooks;            // --time-hooks
    bool help;                 // --help
    const char* omitted[kMaxOmittedLogWords];  // --log-omit WORD
    int omittedCount;
    const char* plugins[kMaxPlugins];
    int pluginCount;
};

// False with the reason in `error` for an unknown option, a missing or repeated value, or
// too many plugins or omitted words.
bool parseOptions(int argc, char** argv, HostOptions& options, char* error, size_t errorSize);

void printUsage(FILE* to);
