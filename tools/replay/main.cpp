// trazzle-replay's entry point.
#include "tools/replay/replay.h"
#include "training/tool_text.h"

int main(int argc, char** argv) {
    // Stroke files are read in binary mode too, and take either line ending.
    useBinaryStandardStreams();
    return runReplay(argc, argv, stdin, stdout, stderr);
}
