// Replacing an rc file safely: one writer at a time across both builds, a private temporary, flushed and renamed.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "rc/rc_file.h"

// Held around a read-modify-rename: an exclusive lock on the first byte of "NAME.lock" beside
// the file, LockFileEx on Windows and an open-file fcntl lock on POSIX. Wine mirrors the one as
// the other, so a native tool and a program under Wine take turns too; a rename never disturbs
// it, as the lock file is never replaced.
struct RcLock {
#ifdef _WIN32
    void* handle;
#else
    int fd;
#endif
};

// The file a write must change: a symbolic link's target, so the link stays a link.
std::string rcWriteTarget(const char* path);

// Before any lock is taken: a file that exists must be a regular file that may be written.
bool rcCheckTarget(const char* path, RcWriteResult& result);

// Waits up to kRcLockWaitMs for the lock of `path`.
bool rcLockFile(const char* path, RcLock& lock, RcWriteResult& result);
void rcUnlockFile(RcLock& lock);

// With the lock held: the file's bytes as they are now (none for a missing file), opened so
// that nothing can block; a file that has become something other than a regular file is
// refused.
bool rcLoadTarget(const char* path, std::string& text, RcWriteResult& result);

// With the lock held: removes temporaries that killed writers left (never following a link),
// writes `size` bytes to a new temporary made exclusively under an unpredictable name and
// given the old file's permissions before its first byte, flushes it and renames it over
// `path`, then flushes the folder. Readers see the old file or the new one; a failure leaves
// the old one and no temporary.
bool rcReplaceContents(const char* path, const char* data, size_t size, RcWriteResult& result);

// Sets `result` to a failure with `reason` (cut to fit) and returns false.
inline bool rcFail(RcWriteResult& result, RcWriteStatus status, const char* reason) {
    result.status = status;
    std::snprintf(result.reason, sizeof result.reason, "%s", reason);
    return false;
}
// The lock was not had within kRcLockWaitMs.
inline bool rcFailWaitedTooLong(RcWriteResult& result) {
    char reason[kRcReasonSize];
    std::snprintf(reason, sizeof reason, "another program has been writing it for over %u ms", kRcLockWaitMs);
    return rcFail(result, kRcFailed, reason);
}

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
