// Creating the next free stroke-NNN.txt in a folder, exclusively: nothing is overwritten, no planted link followed.
#include "training/stroke_file_create.h"

#include <cerrno>
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
