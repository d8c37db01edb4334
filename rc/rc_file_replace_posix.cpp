// Replacing an rc file safely on POSIX systems: an fcntl lock on NAME.lock, O_EXCL temporaries, fsync, rename.
#include "rc/rc_file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool failWithErrno(RcWriteResult& result, const char* what) {
    char reason[kRcReasonSize];
    std::snprintf(reason, sizeof reason, "%s%s", what, std::strerror(errno ? errno : EIO));
    return rcFail(result, kRcFailed, reason);
}

unsigned long long randomBits() {
    unsigned long long bits = 0;
    if (getrandom(&bits, sizeof bits, 0) == static_cast<ssize_t>(sizeof bits)) return bits;
    // No entropy source: the exclusive creation still keeps writers apart.
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (static_cast<unsigned long long>(now.tv_nsec) << 20) ^ static_cast<unsigned long long>(now.tv_sec) ^
           (static_cast<unsigned long long>(getpid()) << 40);
}

long long nowMs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Only writers holding the lock make temporaries, so any found now belongs to a writer that
// died before its rename. unlink removes a link itself, never what it points to.
void removeStaleTemporaries(const std::string& path) {
    std::string folder = folderOf(path);
    std::string name = nameOf(path);
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (dirent* entry = readdir(dir))
        if (rcIsTempOf(entry->d_name, name.c_str())) unlinkat(dirfd(dir), entry->d_name, 0);
    closedir(dir);
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t done = write(fd, data, size);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        data += done;
        size -= static_cast<size_t>(done);
    }
    return true;
}

// A new temporary beside `path`, made exclusively, with the old file's `mode` (when there is
// one) before anything is written to it: a private file's text never sits in a file others can
// read, not even for a moment. A new file gets rw for all less the umask, as any new file.
int createTemporary(const char* path, const mode_t* mode, std::string& tmp) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        char tag[kRcTempTagLength + 1];
        rcTempTag(randomBits(), tag);
        tmp = std::string(path) + ".tmp-" + tag;
        // O_EXCL with O_NOFOLLOW: never a file or link someone else placed under this name.
        int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode ? 0600 : 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        if (mode && fchmod(fd, *mode) != 0) {
            close(fd);
            unlink(tmp.c_str());
            return -1;
        }
        return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

std::string rcWriteTarget(const char* path) {
    struct stat info;
    if (lstat(path, &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path, resolved) ? std::string(resolved) : std::string(path);
}

bool rcCheckTarget(const char* path, RcWriteResult& result) {
    struct stat info;
    if (stat(path, &info) != 0) {
        if (errno != ENOENT) return failWithErrno(result, "");
        struct stat folder;
        if (stat(folderOf(path).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
            return rcFail(result, kRcFailed, "its folder does not exist");
        return true;  // a new file
    }
    if (!S_ISREG(info.st_mode)) return rcFail(result, kRcFailed, "not a regular file");
    // root may write anything, but a file without write permission was marked by its owner as
    // not to be changed; the Windows build refuses its read-only attribute the same way.
    if ((info.st_mode & 0222) == 0) return rcFail(result, kRcFailed, "the file is read-only");
    if (access(path, W_OK) != 0) return failWithErrno(result, "");
    return true;
}

bool rcLockFile(const char* path, RcLock& lock, RcWriteResult& result) {
    std::string name = std::string(path) + ".lock";
    // The lock file itself, never what a link planted under its name points to; and never a
    // pipe or device, whose open could block or whose lock would be no lock.
    lock.fd = open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    const char* refused = nullptr;
    struct stat info;
    if (lock.fd < 0 && errno == ELOOP) refused = "a link";
    else if (lock.fd < 0) return failWithErrno(result, "cannot open its lock file: ");
    else if (fstat(lock.fd, &info) != 0 || !S_ISREG(info.st_mode)) refused = "not a regular file";
    if (refused) {
        if (lock.fd >= 0) close(lock.fd);
        std::string reason = "its lock file " + name.substr(name.find_last_of('/') + 1) + " is " + refused;
        return rcFail(result, kRcFailed, reason.c_str());
    }
    // Open-file locks belong to this open file, not to the process, so two writers in one
    // process take turns as well; the Windows build's LockFileEx under Wine is the same lock.
    struct flock range = {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    range.l_start = 0;
    range.l_len = 1;
    // The bound is for a writer that holds the lock and gets nowhere: while the file keeps
    // being replaced, other writers are taking their turns, and this one waits on (up to
    // kRcLockWaitTurns bounds), polling, so it does not depend on who the kernel wakes first.
    long long start = nowMs(), giveUp = start + kRcLockWaitMs;
    struct stat seen = {};
    stat(path, &seen);
    useconds_t pause = 1000;
    while (fcntl(lock.fd, F_OFD_SETLK, &range) != 0) {
        int error = errno;
        struct stat now = {};
        if (stat(path, &now) == 0 && (now.st_ino != seen.st_ino || now.st_mtim.tv_nsec != seen.st_mtim.tv_nsec ||
                                      now.st_mtim.tv_sec != seen.st_mtim.tv_sec)) {
            seen = now;
            giveUp = std::min(nowMs() + kRcLockWaitMs, start + static_cast<long long>(kRcLockWaitMs) * kRcLockWaitTurns);
        }
        if (error != EAGAIN && error != EACCES && error != EINTR) {
            errno = error;
            failWithErrno(result, "cannot lock it: ");
            close(lock.fd);
            return false;
        }
        if (nowMs() >= giveUp) {
            close(lock.fd);
            return rcFailWaitedTooLong(result);
        }
        usleep(pause);
        if (pause < 16000) pause *= 2;
    }
    return true;
}

void rcUnlockFile(RcLock& lock) {
    close(lock.fd);  // closing the only descriptor of the open file releases its lock
}

bool rcLoadTarget(const char* path, std::string& text, RcWriteResult& result) {
    text.clear();
    // O_NONBLOCK: a pipe put in the file's place since the check must not hang the writer
    // while it holds the lock.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || failWithErrno(result, "cannot read it: ");
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return rcFail(result, kRcFailed, "not a regular file");
    }
    char chunk[16384];
    for (;;) {
        ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            failWithErrno(result, "cannot read it: ");
            close(fd);
            return false;
        }
        if (got == 0) break;
        text.append(chunk, static_cast<size_t>(got));
    }
    close(fd);
    return true;
}

bool rcReplaceContents(const char* path, const char* data, size_t size, RcWriteResult& result) {
    removeStaleTemporaries(path);
    struct stat old;
    bool existed = stat(path, &old) == 0;
    mode_t mode = old.st_mode & 07777;
    std::string tmp;
    int fd = createTemporary(path, existed ? &mode : nullptr, tmp);
    if (fd < 0) return failWithErrno(result, "cannot create its temporary: ");
    if (existed) {
        // The owner is kept where we are allowed to.
        int owned = fchown(fd, old.st_uid, old.st_gid);
        (void)owned;
    }
    int error = 0;
    if (!writeAll(fd, data, size) || fsync(fd) != 0) error = errno ? errno : EIO;
    if (close(fd) != 0 && !error) error = errno;
    if (!error && rename(tmp.c_str(), path) != 0) error = errno;
    if (error) {
        unlink(tmp.c_str());
        errno = error;
        return failWithErrno(result, "");
    }
    // The rename itself lives in the folder: flush it so a power cut cannot undo it.
    int dir = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return failWithErrno(result, "cannot flush its folder: ");
    bool ok = fsync(dir) == 0 || failWithErrno(result, "cannot flush its folder: ");
    close(dir);
    return ok;
}
