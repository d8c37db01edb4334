// Creating the next free stroke-NNN.txt in a folder, exclusively: nothing is overwritten, no planted link followed.
#include "training/stroke_file_create.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

// O_EXCL refuses any name that is taken, a link pointing nowhere included, so another
// writer's file and a planted link are skipped like an earlier recording.
FILE* createStrokeFileAt(const char* path, bool& taken) {
    taken = false;
    int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        taken = errno == EEXIST || errno == EISDIR;
        return nullptr;
    }
    FILE* stroke = fdopen(fd, "wb");
    if (!stroke) close(fd);
    return stroke;
}

FILE* createNextStrokeFile(const char* folder, char (&name)[kStrokeNameSize], bool* full) {
    if (full) *full = false;
    for (int n = 1; n <= kMaxStrokeFiles; ++n) {
        strokeFileName(n, name);
        char path[4096 + kStrokeNameSize];
        std::snprintf(path, sizeof path, "%s%s", folder, name);
        bool taken = false;
        FILE* stroke = createStrokeFileAt(path, taken);
        if (stroke || !taken) return stroke;
    }
    if (full) *full = true;
    return nullptr;
}

FILE* createStrokeTemp(const char* folder, char (&name)[kStrokeTempNameSize]) {
    static unsigned long long counter = 0;
    for (int attempt = 0; attempt < 16; ++attempt) {
        strokeTempName((static_cast<unsigned long long>(getpid()) << 40) ^ (static_cast<unsigned long long>(time(nullptr)) << 8) ^
                           ++counter * 0x9E3779B97F4A7C15ull,
                       name);
        char path[4096 + kStrokeTempNameSize];
        std::snprintf(path, sizeof path, "%s%s", folder, name);
        int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return nullptr;
        }
        FILE* stroke = fdopen(fd, "wb");
        if (!stroke) close(fd);
        return stroke;
    }
    return nullptr;
}

bool closeStrokeFileFlushed(FILE* file) {
    bool ok = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    return std::fclose(file) == 0 && ok;
}

// renameat2's RENAME_NOREPLACE refuses a taken name in the same step as the rename.
bool giveStrokeFileName(const char* from, const char* folder, char (&name)[kStrokeNameSize], bool* full) {
    if (full) *full = false;
    for (int n = 1; n <= kMaxStrokeFiles; ++n) {
        strokeFileName(n, name);
        char path[4096 + kStrokeNameSize];
        std::snprintf(path, sizeof path, "%s%s", folder, name);
        if (renameat2(AT_FDCWD, from, AT_FDCWD, path, RENAME_NOREPLACE) == 0) return true;
        if (errno != EEXIST) return false;
    }
    if (full) *full = true;
    return false;
}
