// trazzle-replay's entry point.
#include "tools/replay/replay.h"

int main(int argc, char** argv) {
    return runReplay(argc, argv, stdin, stdout, stderr);
}
