// Fuzzes --learn's reading of example folders: any folders and stroke files give examples or one clean error, and only clean lines.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "training/gesture_producibility.h"
#include "fuzz/fuzz_support.h"
#include "training/example_folders.h"

namespace fs = std::filesystem;

// Input: up to eight files separated by zero bytes. A file's first byte picks its folder
// (DIR itself among them), the rest of its first line is its name (any bytes but '/'), the
// other lines its text. A name starting with '@' makes a link to itself named by the rest.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kFolders[] = {"0", "1", "24", "25", "01", "abc", "0/old", "."};
    std::string input(reinterpret_cast<const char*>(data), size);
    fs::path dir = scratchFolder() + "/learn";
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    fs::create_directories(dir / "0");
    size_t start = 0;
    for (int file = 0; file < 8 && start < input.size(); ++file) {
        size_t end = input.find('\0', start);
        if (end == std::string::npos) end = input.size();
        std::string part = input.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        size_t newline = part.find('\n');
        std::string name = part.substr(1, newline == std::string::npos ? std::string::npos : newline - 1);
        for (char& c : name) if (c == '/') c = '_';
        if (name.empty() || name == "." || name == "..") name = "f";
        name = name.substr(0, 64);
        fs::path folder = dir / kFolders[static_cast<unsigned char>(part[0]) % 8];
        fs::create_directories(folder, ignored);
        if (name[0] == '@' && name.size() > 1)
            fs::create_symlink(name.substr(1), folder / name.substr(1), ignored);
        else
            std::ofstream(folder / name, std::ios::binary)
                << (newline == std::string::npos ? "" : part.substr(newline + 1));
    }

    std::vector<Example> examples;
    std::vector<UnreadableExample> unreadable;
    std::vector<std::string> warnings;
    std::string problem;
    bool read = readExampleFolders(dir.c_str(), examples, unreadable, warnings, problem);
    std::string errors = problem + "\n";
    for (const std::string& warning : warnings) errors += warning + "\n";
    for (const UnreadableExample& file : unreadable) errors += file.problem + "\n";

    FUZZ_CHECK(terminalSafe(errors));
    for (size_t i = 0; read && i < examples.size(); ++i) {
        // What a stroke gives is a text some stroke can give, and slots come in order.
        FUZZ_CHECK(isProducible(examples[i].text.c_str()));
        FUZZ_CHECK(i == 0 || examples[i - 1].slot <= examples[i].slot);
    }
    return 0;
}
