// Stroke files made and named on POSIX systems: created exclusively, never through a planted link, renamed without replacing.
#include "training/stroke_file_create.h"
#include "training/stroke_file_create_system.h"

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

unsigned long long strokeTempSeed() {
    return (static_cast<unsigned long long>(getpid()) << 40) ^ (static_cast<unsigned long long>(time(nullptr)) << 8);
}

bool closeStrokeFileFlushed(FILE* file) {
    bool ok = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    return std::fclose(file) == 0 && ok;
}

// renameat2's RENAME_NOREPLACE refuses a taken name in the same step as the rename.
bool renameWithoutReplacing(const char* from, const char* to, bool& taken) {
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return true;
    taken = errno == EEXIST;
    return false;
}
