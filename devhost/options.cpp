// The command line of vantrel.exe: options first, then the plugins to load.
#include "devhost/options.h"

#include <cstring>

namespace {

// Takes the value of an option that needs one; false when it is missing or given twice.
bool takeValue(int argc, char** argv, int* i, const char** slot, char* error, size_t errorSize) {
    const char* name = argv[*i];
    if (*slot) {
        std::snprintf(error, errorSize, "option %s given twice", name);
        return false;
    }
    if (*i + 1 >= argc) {
        std::snprintf(error, errorSize, "option %s needs a value", name);
        return false;
    }
    *slot = argv[++*i];
    return true;
}

}  // namespace

bool parseOptions(int argc, char** argv, HostOptions& options, char* error, size_t errorSize) {
    std::memset(&options, 0, sizeof options);
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        bool isOption = !optionsEnded && arg[0] == '-' && arg[1] != '\0';
        if (!isOption) {
            if (options.pluginCount == kMaxPlugins) {
                std::snprintf(error, errorSize, "more than %d plugins", kMaxPlugins);
                return false;
            }
            options.plugins[options.pluginCount++] = arg;
            continue;
        }
        bool ok = true;
        if (std::strcmp(arg, "--") == 0) optionsEnded = true;
        else if (std::strcmp(arg, "--log") == 0) ok = takeValue(argc, argv, &i, &options.logPath, error, errorSize);
        else if (std::strcmp(arg, "--script") == 0) ok = takeValue(argc, argv, &i, &options.scriptPath, error, errorSize);
        else if (std::strcmp(arg, "--rc") == 0) ok = takeValue(argc, argv, &i, &options.settingsPath, error, errorSize);
        else if (std::strcmp(arg, "--no-launch") == 0) options.noLaunch = true;
        else if (std::strcmp(arg, "--log-times") == 0) options.logTimes = true;
        else if (std::strcmp(arg, "--time-hooks") == 0) options.timeHooks = true;
        else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) options.help = true;
        else if (std::strcmp(arg, "--log-omit") == 0) {
            if (options.omittedCount == kMaxOmittedLogWords) {
                std::snprintf(error, errorSize, "more than %d --log-omit words", kMaxOmittedLogWords);
                return false;
            }
            const char* word = nullptr;
            ok = takeValue(argc, argv, &i, &word, error, errorSize);
            if (ok) options.omitted[options.omittedCount++] = word;
        } else {
            std::snprintf(error, errorSize, "unknown option \"%s\"", arg);
            return false;
        }
        if (!ok) return false;
    }
    return true;
}

void printUsage(FILE* to) {
    std::fputs(
        "usage: vantrel.exe [options] [--] PLUGIN.dll...\n"
        "  --log FILE        write the log to FILE (default: standard output)\n"
        "  --script FILE     run FILE's commands, then quit\n"
        "  --no-launch       VTExecute only logs what it would start\n"
        "  --rc FILE         read the host's settings from FILE instead of vantrel.rc\n"
        "  --log-omit WORD   leave out log lines beginning with WORD (may be repeated)\n"
        "  --log-times       start every log line with the microseconds since the start\n"
        "  --time-hooks      time the plugins' keyboard and mouse hooks; log the times at exit\n"
        "  --help            show this text\n",
        to);
}
