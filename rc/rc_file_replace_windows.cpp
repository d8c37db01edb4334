// Replacing an rc file safely on Windows: LockFileEx, CREATE_NEW temporaries, flushed moves.
#define _CRT_RAND_S  // rand_s: random bits from the system
#include <stdlib.h>

#include "rc/rc_file_replace.h"

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

// Only writers holding the lock make temporaries, so any found now belongs to a writer that
// died before its move.
void removeStaleTemporaries(const std::string& path) {
    std::string folder = folderOf(path);
    std::string name = path.substr(folder.size());
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + ".tmp-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (rcIsTempOf(found.cFileName, name.c_str())) DeleteFileA((folder + found.cFileName).c_str());
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

// Another program holding the file open without delete sharing (a virus scanner, an editor)
// makes the move fail for a moment; a few brief retries ride that out.
bool moveOver(const char* from, const char* to) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        DWORD error = GetLastError();
        if (attempt == 9 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) return false;
        Sleep(20);
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

// A mutex named after the file's full path (letter case aside) carries the lock: it needs no
// file beside the rc file, and a writer that dies releases it (WAIT_ABANDONED still owns it).
bool rcLockFile(const char* path, RcLock& lock) {
    char full[MAX_PATH * 2];
    DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return false;
    unsigned long long hash = 14695981039346656037ULL;  // FNV-1a
    for (DWORD i = 0; i < length; ++i) {
        char c = full[i] == '/' ? '\\' : full[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    char name[64];
    wsprintfA(name, "Local\\trazzle-rc-%08lx%08lx", static_cast<unsigned long>(hash >> 32),
              static_cast<unsigned long>(hash));
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name);
    if (!mutex) return false;
    DWORD waited = WaitForSingleObject(mutex, INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        CloseHandle(mutex);
        return false;
    }
    lock.handle = mutex;
    return true;
}

void rcUnlockFile(RcLock& lock) {
    ReleaseMutex(lock.handle);
    CloseHandle(lock.handle);
}

bool rcReplaceContents(const char* path, const char* data, size_t size) {
    // A rename may replace a read-only file (Wine lets it, whatever Windows does), so the
    // attribute is checked here: the user marked the file as not to be changed.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
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
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = writeAll(file, data, size);
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    // MOVEFILE_WRITE_THROUGH returns only once the move is on the disk.
    ok = ok && moveOver(tmp.c_str(), path);
    if (!ok) DeleteFileA(tmp.c_str());
    return ok;
}
