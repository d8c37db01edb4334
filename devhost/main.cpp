// vantrel.exe, the stand-in desktop shell host: reads the command line and runs the host.
#include <cstdio>

#include "devhost/host_run.h"
#include "devhost/options.h"

int main(int argc, char** argv) {
    HostOptions options;
    char error[256];
    if (!parseOptions(argc, argv, options, error, sizeof error)) {
        std::fprintf(stderr, "vantrel: error: %s\n", error);
        printUsage(stderr);
        return 2;
    }
    if (options.help) {
        printUsage(stdout);
        return 0;
    }
    return runHost(options);
}
