// Replacing an rc file safely: one writer at a time, a private temporary, flushed and renamed.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

// Held around a read-modify-rename, across processes: the file's folder (flock) on POSIX, a
// mutex named after the file on Windows. Neither is disturbed by the rename of the file.
struct RcLock {
#ifdef _WIN32
    void* handle;
#else
    int fd;
#endif
};

// The file a write must change: a symbolic link's target, so the link stays a link.
std::string rcWriteTarget(const char* path);

// Waits for the lock of `path`; false when it cannot be had (no folder, on POSIX).
bool rcLockFile(const char* path, RcLock& lock);
void rcUnlockFile(RcLock& lock);

// With the lock held: removes temporaries that killed writers left, writes `size` bytes to a
// new temporary made exclusively under an unpredictable name, flushes it, keeps the old
// file's permissions and renames it over `path`, then flushes the folder. Readers see the old
// file or the new one; a failure leaves the old one and no temporary.
bool rcReplaceContents(const char* path, const char* data, size_t size);

constexpr size_t kRcTempTagLength = 12;

// "NAME.tmp-" and kRcTempTagLength letters or digits: only our own temporaries of NAME.
inline bool rcIsTempOf(const char* entry, const char* name) {
    size_t nameLength = std::strlen(name);
    if (std::strncmp(entry, name, nameLength) != 0 || std::strncmp(entry + nameLength, ".tmp-", 5) != 0)
        return false;
    const char* tag = entry + nameLength + 5;
    for (size_t i = 0; i < kRcTempTagLength; ++i) {
        char c = tag[i];
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return tag[kRcTempTagLength] == '\0';
}

// Fills `tag` (kRcTempTagLength + 1 bytes) from 64 random bits.
inline void rcTempTag(unsigned long long bits, char* tag) {
    static const char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (size_t i = 0; i < kRcTempTagLength; ++i) {
        tag[i] = kDigits[bits % 36];
        bits /= 36;
    }
    tag[kRcTempTagLength] = '\0';
}
