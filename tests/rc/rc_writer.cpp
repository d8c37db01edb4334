// A writer of one rc file for the race between builds: COUNT values, one rc write each, every failure and its reason said.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "rc/rc_file.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: rc_writer RCFILE PREFIX COUNT\n"
                             "Writes PREFIX0: 0 ... one key a write; says how many writes failed.\n");
        return 2;
    }
    int count = std::atoi(argv[3]);
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        std::string key = argv[2] + std::to_string(i) + ":";
        RcWriteResult result;
        if (!rcWriteInt(argv[1], key.c_str(), i, &result)) {
            ++failed;
            std::printf("rc_writer: %s failed: %s\n", key.c_str(), result.reason);
        }
    }
    std::printf("rc_writer: %s %d writes, %d failed\n", argv[2], count, failed);
    return failed == 0 ? 0 : 1;
}
