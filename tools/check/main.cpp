// trazzle-check's entry point.
#include "tools/check/check.h"
#include "training/tool_text.h"

int main(int argc, char** argv) {
    useBinaryStandardStreams();
    return runCheck(argc, argv, stdout, stderr);
}
