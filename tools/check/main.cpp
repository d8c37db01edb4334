// trazzle-check's entry point.
#include "tools/check/check.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Plain line feeds, so scripts see the same bytes from the Windows build as natively.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    return runCheck(argc, argv, stdout, stderr);
}
