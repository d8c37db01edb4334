// What the fuzz targets share: a private scratch folder and a stop that libFuzzer reports.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// A folder of this process, on tmpfs when there is one: writes flush, and flushing a disk
// would make every run a thousand times slower.
inline const std::string& scratchFolder() {
    static std::string folder = [] {
        std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string path = base + "/trazzle-fuzz-XXXXXX";
        if (!mkdtemp(&path[0])) std::abort();
        return path;
    }();
    return folder;
}

// A broken property: say which, and abort so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                  \
    do {                                                                       \
        if (!(condition)) {                                                    \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, \
                         __FILE__, __LINE__);                                  \
            std::abort();                                                      \
        }                                                                      \
    } while (0)
