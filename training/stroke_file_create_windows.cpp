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

FILE* createStrokeTemp(const char* folder, char (&name)[kStrokeTempNameSize]) {
    static unsigned long long counter = 0;
    for (int attempt = 0; attempt < 16; ++attempt) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        strokeTempName((static_cast<unsigned long long>(GetCurrentProcessId()) << 40) ^
                           static_cast<unsigned long long>(now.QuadPart) ^ ++counter * 0x9E3779B97F4A7C15ull,
                       name);
        char path[MAX_PATH + kStrokeTempNameSize];
        std::snprintf(path, sizeof path, "%s%s", folder, name);
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS) continue;
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
    return nullptr;
}

bool closeStrokeFileFlushed(FILE* file) {
    bool ok = std::fflush(file) == 0 &&
              FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != 0;
    return std::fclose(file) == 0 && ok;
}

// MoveFileEx without MOVEFILE_REPLACE_EXISTING refuses a taken name in the rename itself; a
// failure for any other reason is kept when the name is free, so a source that cannot be
// moved is never reported as a full slot.
bool giveStrokeFileName(const char* from, const char* folder, char (&name)[kStrokeNameSize], bool* full) {
    if (full) *full = false;
    for (int n = 1; n <= kMaxStrokeFiles; ++n) {
        strokeFileName(n, name);
        char path[MAX_PATH + kStrokeNameSize];
        std::snprintf(path, sizeof path, "%s%s", folder, name);
        if (MoveFileExA(from, path, MOVEFILE_WRITE_THROUGH)) return true;
        DWORD error = GetLastError();
        if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
            SetLastError(error);
            return false;
        }
    }
    if (full) *full = true;
    return false;
}
