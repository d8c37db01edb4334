// Creating the next free stroke-NNN.txt in a folder, exclusively: nothing is overwritten, no planted link followed.
#include "training/stroke_file_create.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

// Created exclusively, so neither a file another writer made a moment ago nor a link planted
// under the name is ever written to: such a name is skipped like an earlier recording.
FILE* createStrokeFileAt(const char* path, bool& taken) {
    taken = false;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        // A folder of that name answers "access denied".
        taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
        return nullptr;
    }
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
    if (fd == -1) {
        CloseHandle(file);
        return nullptr;
    }
    FILE* stroke = _fdopen(fd, "wb");
    if (!stroke) _close(fd);
    return stroke;
}

FILE* createNextStrokeFile(const char* folder, char (&name)[kStrokeNameSize], bool* full) {
    if (full) *full = false;
    for (int n = 1; n <= kMaxStrokeFiles; ++n) {
        strokeFileName(n, name);
        char path[MAX_PATH + kStrokeNameSize];
        std::snprintf(path, sizeof path, "%s%s", folder, name);
        bool taken = false;
        FILE* stroke = createStrokeFileAt(path, taken);
        if (stroke || !taken) return stroke;
    }
    if (full) *full = true;
    return nullptr;
}
