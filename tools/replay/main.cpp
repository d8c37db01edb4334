// trazzle-replay's entry point.
#include "tools/replay/replay.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Plain line feeds, so scripts see the same bytes from the Windows build as from the
    // native one; stroke files are read in binary mode and take either line ending.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    return runReplay(argc, argv, stdin, stdout, stderr);
}
