// Fuzzes rc reading: any file text and key; the file and in-memory reads must agree.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

#include "rc/rc_file.h"
#include "fuzz/fuzz_support.h"

// Input: the key, a line feed, the file's text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t newline = input.find('\n');
    if (newline == std::string::npos) return 0;
    std::string key = input.substr(0, newline);
    if (key.find('\0') != std::string::npos) return 0;
    std::string text = input.substr(newline + 1);

    char fromText[16], fromFile[16];
    bool found = rcTextReadString(text.data(), text.size(), key.c_str(), "d", fromText, sizeof fromText);
    FUZZ_CHECK(std::strlen(fromText) < sizeof fromText);
    int32_t number = rcTextReadInt(text.data(), text.size(), key.c_str(), 7);
    bool flag = rcTextReadBool(text.data(), text.size(), key.c_str(), true);

    std::string path = scratchFolder() + "/read.rc";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    FUZZ_CHECK(rcReadString(path.c_str(), key.c_str(), "d", fromFile, sizeof fromFile) == found);
    FUZZ_CHECK(std::strcmp(fromText, fromFile) == 0);
    FUZZ_CHECK(rcReadInt(path.c_str(), key.c_str(), 7) == number);
    FUZZ_CHECK(rcReadBool(path.c_str(), key.c_str(), true) == flag);
    return 0;
}
