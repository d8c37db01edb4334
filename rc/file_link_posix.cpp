// Whether a path is a link, on POSIX systems: lstat says so.
#include "rc/file_link.h"

#include <sys/stat.h>

bool pathIsLink(const char* path) {
    struct stat info;
    return lstat(path, &info) == 0 && S_ISLNK(info.st_mode);
}
