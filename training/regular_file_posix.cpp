// Opening a file for reading only when it is a regular file, never waiting on a pipe or a device.
#include "training/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

FILE* openRegularFile(const char* path, std::string& problem) {
    // Without O_NONBLOCK the open of a pipe waits for a writer, for good if none comes.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        problem = std::strerror(errno);
        return nullptr;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        problem = kNotRegularFile;
        return nullptr;
    }
    // A regular file reads the same either way; blocking again keeps stdio's reads plain.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE* file = fdopen(fd, "rb");
    if (!file) {
        problem = std::strerror(errno);
        close(fd);
    }
    return file;
}
