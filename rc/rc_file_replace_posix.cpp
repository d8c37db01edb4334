// Replacing an rc file safely on POSIX systems: flock, O_EXCL temporaries, fsync, rename.
#include "rc/rc_file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
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

unsigned long long randomBits() {
    unsigned long long bits = 0;
    if (getrandom(&bits, sizeof bits, 0) == static_cast<ssize_t>(sizeof bits)) return bits;
    // No entropy source: the exclusive creation still keeps writers apart.
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (static_cast<unsigned long long>(now.tv_nsec) << 20) ^ static_cast<unsigned long long>(now.tv_sec) ^
           (static_cast<unsigned long long>(getpid()) << 40);
}

// Only writers holding the lock make temporaries, so any found now belongs to a writer that
// died before its rename.
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

}  // namespace

std::string rcWriteTarget(const char* path) {
    struct stat info;
    if (lstat(path, &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path, resolved) ? std::string(resolved) : std::string(path);
}

// The folder carries the lock: it stays while the file is renamed over, and nothing is left
// beside the file.
bool rcLockFile(const char* path, RcLock& lock) {
    lock.fd = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock.fd < 0) return false;
    while (flock(lock.fd, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        close(lock.fd);
        return false;
    }
    return true;
}

void rcUnlockFile(RcLock& lock) {
    close(lock.fd);  // closing releases the flock
}

bool rcReplaceContents(const char* path, const char* data, size_t size) {
    removeStaleTemporaries(path);
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        char tag[kRcTempTagLength + 1];
        rcTempTag(randomBits(), tag);
        tmp = std::string(path) + ".tmp-" + tag;
        // O_EXCL with O_NOFOLLOW: never a file or link someone else placed under this name.
        fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;

    bool ok = writeAll(fd, data, size);
    struct stat old;
    if (ok && stat(path, &old) == 0) {
        // A private file stays private; the owner is kept where we are allowed to.
        ok = fchmod(fd, old.st_mode & 07777) == 0;
        int owned = fchown(fd, old.st_uid, old.st_gid);
        (void)owned;
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(tmp.c_str(), path) == 0;
    if (!ok) {
        unlink(tmp.c_str());
        return false;
    }
    // The rename itself lives in the folder: flush it so a power cut cannot undo it.
    int dir = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return false;
    ok = fsync(dir) == 0;
    close(dir);
    return ok;
}
