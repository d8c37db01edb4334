// Fuzzes trazzle-replay's input: any stroke and rc text ends in clean output and 0, or one error line and 2.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "fuzz/fuzz_support.h"
#include "tools/replay/replay.h"

// Input: the rc file's text, a zero byte, the stroke file's text (standard input).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t zero = input.find('\0');
    std::string rc = zero == std::string::npos ? "" : input.substr(0, zero);
    std::string stroke = zero == std::string::npos ? input : input.substr(zero + 1);
    std::string rcPath = scratchFolder() + "/replay.rc";
    std::ofstream(rcPath, std::ios::binary | std::ios::trunc) << rc;

    FILE* in = fmemopen(stroke.empty() ? nullptr : &stroke[0], stroke.size(), "rb");
    if (!in) in = std::fopen("/dev/null", "rb");
    CapturedOutput captured;
    char a0[] = "trazzle-replay", a1[] = "--trace", a2[] = "--rc", a3[] = "-";
    char* argv[] = {a0, a1, a2, &rcPath[0], a3, nullptr};
    int status = runReplay(5, argv, in, captured.out, captured.err);
    std::fclose(in);
    std::string output, errors;
    captured.finish(output, errors);
    FUZZ_CHECK(status == 0 || status == 2);
    if (status == 0) {
        FUZZ_CHECK(errors.empty() && output.find("gesture: ") != std::string::npos);
        FUZZ_CHECK(terminalSafe(output));
    } else {
        // One short line with no control characters but its line feed, and no output.
        FUZZ_CHECK(output.empty() && !errors.empty() && errors.size() < 400);
        for (size_t i = 0; i + 1 < errors.size(); ++i) FUZZ_CHECK(static_cast<unsigned char>(errors[i]) >= 0x20);
        FUZZ_CHECK(errors.back() == '\n');
    }
    return 0;
}
