// Fuzzes the rc candidate paths: a path fits whole or is empty, and ends in the name asked for.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "settings/rc_search.h"

// Input: the base path, a zero byte, the candidate name.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t zero = input.find('\0');
    if (zero == std::string::npos) return 0;
    std::string base = input.substr(0, zero), name = input.substr(zero + 1);
    if (name.find('\0') != std::string::npos) return 0;
    char path[kRcPathSize];
    bool fits = rcCandidatePath(base.c_str(), name.c_str(), path);
    size_t length = std::strlen(path);
    FUZZ_CHECK(length < kRcPathSize);
    if (!fits) {
        FUZZ_CHECK(length == 0);
        return 0;
    }
    FUZZ_CHECK(length >= name.size() && std::strcmp(path + length - name.size(), name.c_str()) == 0);
    size_t slash = base.rfind('\\');
    std::string folder = slash == std::string::npos ? "" : base.substr(0, slash + 1);
    FUZZ_CHECK(folder + name == path);
    return 0;
}
