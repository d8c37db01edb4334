// Replacing an rc file safely on Windows: LockFileEx on NAME.lock, CREATE_NEW temporaries, flushed moves.
#define _CRT_RAND_S  // rand_s: random bits from the system
#include <stdlib.h>

#include "rc/rc_file_replace.h"
#include "rc/file_link.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

unsigned long long randomBits() {
    unsigned int high = 0, low = 0;
    if (rand_s(&high) != 0 || rand_s(&low) != 0) {
        // No random source: the exclusive creation still keeps writers apart.
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<unsigned long long>(now.QuadPart) ^
               (static_cast<unsigned long long>(GetCurrentProcessId()) << 40);
    }
    return (static_cast<unsigned long long>(high) << 32) | low;
}

// The system's words for `error`, without the trailing line break.
bool failWithError(RcWriteResult& result, const char* what, DWORD error) {
    char text[kRcReasonSize] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                  text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.'))
        text[--length] = '\0';
    char reason[kRcReasonSize];
    if (length == 0) std::snprintf(reason, sizeof reason, "%serror %lu", what, static_cast<unsigned long>(error));
    else std::snprintf(reason, sizeof reason, "%s%s", what, text);
    return rcFail(result, kRcFailed, reason);
}

// Only writers holding the lock make temporaries, so any found now belongs to a writer that
// died before its move. A link planted under such a name is left alone: Wine's DeleteFile
// would remove what it points to.
void removeStaleTemporaries(const std::string& path) {
    std::string folder = folderOf(path);
    std::string name = path.substr(folder.size());
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + ".tmp-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string stale = folder + found.cFileName;
        if (rcIsTempOf(found.cFileName, name.c_str()) && !pathIsLink(stale.c_str())) DeleteFileA(stale.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool writeAll(HANDLE file, const char* data, size_t size) {
    while (size > 0) {
        DWORD chunk = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        DWORD done = 0;
        if (!WriteFile(file, data, chunk, &done, nullptr) || done == 0) return false;
        data += done;
        size -= done;
    }
    return true;
}

// Another program holding the file open without delete sharing (a reader, a virus scanner, an
// editor) makes the move fail for a moment; retries ride that out for as long as a writer
// waits for its turn.
DWORD moveOver(const char* from, const char* to) {
    DWORD giveUp = GetTickCount() + kRcLockWaitMs;
    for (;;) {
        if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return ERROR_SUCCESS;
        DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            static_cast<LONG>(GetTickCount() - giveUp) >= 0)
            return error;
        Sleep(10);
    }
}

}  // namespace

// Opening follows a symbolic link, and the handle's final path names its target: the target is
// replaced and the link stays a link. Any other file is written under the name it was given.
std::string rcWriteTarget(const char* path) {
    HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return path;
    char final[MAX_PATH * 2];
    DWORD length = GetFinalPathNameByHandleA(file, final, sizeof final, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= sizeof final) return path;
    std::string target = final;
    if (target.compare(0, 8, "\\\\?\\UNC\\") == 0) target = "\\" + target.substr(7);
    else if (target.compare(0, 4, "\\\\?\\") == 0) target = target.substr(4);
    char full[MAX_PATH * 2];
    length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full || lstrcmpiA(full, target.c_str()) == 0) return path;
    return target;
}

bool rcCheckTarget(const char* path, RcWriteResult& result) {
    // A rename may replace a read-only file (Wine lets it, whatever Windows does), so the
    // attribute is checked here: the user marked the file as not to be changed.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        if (error == ERROR_PATH_NOT_FOUND) return rcFail(result, kRcFailed, "its folder does not exist");
        return error == ERROR_FILE_NOT_FOUND || failWithError(result, "", error);
    }
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))
        return rcFail(result, kRcFailed, "not a regular file");
    if (attributes & FILE_ATTRIBUTE_READONLY) return rcFail(result, kRcFailed, "the file is read-only");
    return true;
}

namespace {

HANDLE openLock(const std::string& name, DWORD disposition) {
    return CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

bool lockFileRefused(RcWriteResult& result, const std::string& name, const char* what) {
    size_t slash = name.find_last_of("\\/");
    char reason[kRcReasonSize];
    std::snprintf(reason, sizeof reason, "its lock file %s is %s", name.c_str() + (slash == std::string::npos ? 0 : slash + 1), what);
    return rcFail(result, kRcFailed, reason);
}

// The lock file itself, never what a link planted under its name points to: opened with
// OPEN_REPARSE_POINT, and created only new. Wine 8 follows a POSIX link whatever the flag says,
// so there a link shows otherwise: one to nothing cannot be opened yet exists to CREATE_NEW,
// one to itself cannot be resolved, one to a file opens it under that file's final name.
HANDLE openLockFile(const std::string& name, RcWriteResult& result) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        HANDLE file = openLock(name, OPEN_EXISTING);
        DWORD error = GetLastError();
        if (file == INVALID_HANDLE_VALUE && error == ERROR_FILE_NOT_FOUND) {
            file = openLock(name, CREATE_NEW);
            error = GetLastError();
            // Another writer made it meanwhile: opened as it stands the second time.
            if (file == INVALID_HANDLE_VALUE && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)) continue;
        }
        if (file == INVALID_HANDLE_VALUE) {
            if (error == ERROR_CANT_RESOLVE_FILENAME) lockFileRefused(result, name, "a link");
            else failWithError(result, "cannot open its lock file: ", error);
            return INVALID_HANDLE_VALUE;
        }
        BY_HANDLE_FILE_INFORMATION info = {};
        bool regular = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
                       !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
        bool link = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || (regular && pathIsLink(name.c_str()));
        if (regular && !link) return file;
        CloseHandle(file);
        lockFileRefused(result, name, link ? "a link" : "not a regular file");
        return INVALID_HANDLE_VALUE;
    }
    lockFileRefused(result, name, "a link");
    return INVALID_HANDLE_VALUE;
}

}  // namespace

bool rcLockFile(const char* path, RcLock& lock, RcWriteResult& result) {
    std::string name = std::string(path) + ".lock";
    HANDLE file = openLockFile(name, result);
    if (file == INVALID_HANDLE_VALUE) return false;
    // Polled rather than waited for: under Wine a wait would not see a native writer's lock go.
    // The bound is for a writer that holds the lock and gets nowhere: while the file keeps
    // being replaced, other writers are taking their turns, and this one waits on (up to
    // kRcLockWaitTurns bounds).
    DWORD start = GetTickCount(), giveUp = start + kRcLockWaitMs;
    WIN32_FILE_ATTRIBUTE_DATA seen = {};
    GetFileAttributesExA(path, GetFileExInfoStandard, &seen);
    DWORD pause = 1;
    for (;;) {
        OVERLAPPED at = {};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) break;
        DWORD error = GetLastError();
        WIN32_FILE_ATTRIBUTE_DATA now = {};
        if (GetFileAttributesExA(path, GetFileExInfoStandard, &now) &&
            CompareFileTime(&now.ftLastWriteTime, &seen.ftLastWriteTime) != 0) {
            seen = now;
            DWORD later = GetTickCount() + kRcLockWaitMs, last = start + kRcLockWaitMs * kRcLockWaitTurns;
            giveUp = static_cast<LONG>(later - last) > 0 ? last : later;
        }
        if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) {
            CloseHandle(file);
            return failWithError(result, "cannot lock it: ", error);
        }
        if (static_cast<LONG>(GetTickCount() - giveUp) >= 0) {
            CloseHandle(file);
            return rcFailWaitedTooLong(result);
        }
        Sleep(pause);
        if (pause < 16) pause *= 2;
    }
    lock.handle = file;
    return true;
}

void rcUnlockFile(RcLock& lock) {
    OVERLAPPED at = {};
    UnlockFileEx(lock.handle, 0, 1, 0, &at);
    CloseHandle(lock.handle);
}

bool rcLoadTarget(const char* path, std::string& text, RcWriteResult& result) {
    text.clear();
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD giveUp = GetTickCount() + kRcLockWaitMs;
    for (;;) {
        file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) break;
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
        // Someone else's move of the file is still under way.
        if (error != ERROR_SHARING_VIOLATION || static_cast<LONG>(GetTickCount() - giveUp) >= 0)
            return failWithError(result, "cannot read it: ", error);
        Sleep(10);
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return rcFail(result, kRcFailed, "not a regular file");
    }
    char chunk[16384];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
            DWORD error = GetLastError();
            CloseHandle(file);
            return failWithError(result, "cannot read it: ", error);
        }
        if (got == 0) break;
        text.append(chunk, got);
    }
    CloseHandle(file);
    return true;
}

bool rcReplaceContents(const char* path, const char* data, size_t size, RcWriteResult& result) {
    removeStaleTemporaries(path);
    std::string tmp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE && attempt < 16; ++attempt) {
        char tag[kRcTempTagLength + 1];
        rcTempTag(randomBits(), tag);
        tmp = std::string(path) + ".tmp-" + tag;
        // CREATE_NEW: never a file someone else placed under this name.
        file = CreateFileA(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        DWORD error = GetLastError();
        if (file == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return failWithError(result, "cannot create its temporary: ", error);
    }
    if (file == INVALID_HANDLE_VALUE) return failWithError(result, "cannot create its temporary: ", ERROR_FILE_EXISTS);
    DWORD error = ERROR_SUCCESS;
    if (!writeAll(file, data, size) || !FlushFileBuffers(file)) error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
    // MOVEFILE_WRITE_THROUGH returns only once the move is on the disk.
    if (error == ERROR_SUCCESS) error = moveOver(tmp.c_str(), path);
    if (error == ERROR_SUCCESS) return true;
    DeleteFileA(tmp.c_str());
    return failWithError(result, "", error);
}
