// What the fuzz targets share: a private scratch folder and a stop that libFuzzer reports.
#pragma once

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/xml_check.h"

// Removes the scratch folders of fuzz processes that no longer run: a target that crashes or
// times out leaves through _Exit, which skips the removal at exit.
inline void removeOrphanedScratchFolders(const std::string& base) {
    DIR* dir = opendir(base.c_str());
    if (!dir) return;
    const std::string prefix = "trazzle-fuzz-";
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        char* end = nullptr;
        long pid = std::strtol(name.c_str() + prefix.size(), &end, 10);
        if (pid <= 0 || *end != '-') continue;
        // Alive, or alive under another user (EPERM): not ours to remove.
        if (kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        std::filesystem::remove_all(base + "/" + name, ignored);
    }
    closedir(dir);
}

// A folder of this process, on tmpfs when there is one: writes flush, and flushing a disk
// would make every run a thousand times slower. It used to outlive every run (nothing removed
// it); now the process removes it when it exits, and the next run removes one a crash left.
// Its name holds the process id, which tells whether its owner still runs.
inline const std::string& scratchFolder() {
    static std::string folder = [] {
        std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        removeOrphanedScratchFolders(base);
        std::string path = base + "/trazzle-fuzz-" + std::to_string(getpid()) + "-XXXXXX";
        if (!mkdtemp(&path[0])) std::abort();
        return path;
    }();
    static bool removedAtExit = std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratchFolder(), ignored);
    }) == 0;
    (void)removedAtExit;
    return folder;
}

// A tool's standard output and error written to memory, read back once it has run.
struct CapturedOutput {
    char* outText = nullptr;
    size_t outSize = 0;
    char* errText = nullptr;
    size_t errSize = 0;
    FILE* out = open_memstream(&outText, &outSize);
    FILE* err = open_memstream(&errText, &errSize);

    void finish(std::string& outString, std::string& errString) {
        std::fclose(out);
        std::fclose(err);
        outString.assign(outText, outSize);
        errString.assign(errText, errSize);
        std::free(outText);
        std::free(errText);
    }
};

// Whether a tool's output is lines a terminal only shows: each ends in a line feed, the text is
// UTF-8 without a control character (C0 but the line feeds, DEL, C1) anywhere.
inline bool terminalSafe(const std::string& text) {
    if (!text.empty() && text.back() != '\n') return false;
    if (!xml_check::allowedCharacters(text)) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\t' || c == '\r' || c == 0x7F) return false;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F) return false;
    }
    return true;
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
