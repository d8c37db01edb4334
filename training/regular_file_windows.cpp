// Opening a file for reading only when it is a regular file, never waiting on a pipe or a device.
#include "training/regular_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>

FILE* openRegularFile(const char* path, std::string& problem) {
    // A folder cannot be opened this way at all ("access denied"): its attributes say what it is.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))) {
        problem = kNotRegularFile;
        return nullptr;
    }
    HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        problem = std::strerror(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ENOENT
                                : error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? EACCES
                                                                                                   : EIO);
        return nullptr;
    }
    // Wine opens a POSIX pipe or device (no attributes to be had for it) as a pipe or character
    // handle, without waiting for a writer.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        problem = kNotRegularFile;
        return nullptr;
    }
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        problem = std::strerror(EIO);
        return nullptr;
    }
    FILE* file = _fdopen(fd, "rb");
    if (!file) {
        _close(fd);
        problem = std::strerror(EIO);
    }
    return file;
}
