// Stroke files made and named on Windows: created exclusively, never through a planted link, renamed without replacing.
#include "training/stroke_file_create.h"
#include "training/stroke_file_create_system.h"

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

unsigned long long strokeTempSeed() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (static_cast<unsigned long long>(GetCurrentProcessId()) << 40) ^ static_cast<unsigned long long>(now.QuadPart);
}

bool closeStrokeFileFlushed(FILE* file) {
    bool ok = std::fflush(file) == 0 &&
              FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != 0;
    return std::fclose(file) == 0 && ok;
}

// MoveFileEx without MOVEFILE_REPLACE_EXISTING refuses a taken name in the rename itself; a
// failure for any other reason is kept when the name is free, so a source that cannot be
// moved is never reported as a full slot.
bool renameWithoutReplacing(const char* from, const char* to, bool& taken) {
    if (MoveFileExA(from, to, MOVEFILE_WRITE_THROUGH)) return true;
    DWORD error = GetLastError();
    taken = GetFileAttributesA(to) != INVALID_FILE_ATTRIBUTES;
    SetLastError(error);
    return false;
}
