// Times the host's rc writes as a drag of the tool square makes them: median and p99 in µs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "rc/rc_file.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: rc-write-bench RCFILE [WRITES]\n"
                             "Copies nothing: RCFILE is written (created when missing).\n");
        return 2;
    }
    const char* path = argv[1];
    int writes = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (writes < 1) writes = 1000;
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(writes));
    for (int i = 0; i < writes; ++i) {
        // A drag writes x, then y, at every move.
        const char* key = i % 2 ? "trazzle.plugin.y:" : "trazzle.plugin.x:";
        auto start = std::chrono::steady_clock::now();
        bool ok = rcWriteInt(path, key, 10 + i % 500);
        auto end = std::chrono::steady_clock::now();
        if (!ok) {
            std::fprintf(stderr, "rc-write-bench: write %d failed\n", i);
            return 1;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    size_t n = micros.size();
    double median = n % 2 ? micros[n / 2] : (micros[n / 2 - 1] + micros[n / 2]) / 2;
    size_t rank = (n * 99 + 99) / 100;  // nearest rank
    std::printf("rc write n=%zu median=%.1f p99=%.1f (us)\n", n, median, micros[rank - 1]);
    return 0;
}
