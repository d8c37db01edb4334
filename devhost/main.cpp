// vantrel.exe, the stand-in desktop shell host: reads the command line and runs the host.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "devhost/host_run.h"
#include "devhost/options.h"

int main(int argc, char** argv) {
    // The log reads the same in a file and on standard output: lines end in "\n" alone.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
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
