// Opening a file for reading only when it is a regular file, never waiting on a pipe or a device.
#pragma once

#include <cstdio>
#include <string>

constexpr char kNotRegularFile[] = "not a regular file";

// `path` opened for binary reading, or null with `problem` set: kNotRegularFile for a pipe, a
// device or a folder (looked at once opened without blocking, so a pipe nobody writes to never
// hangs the caller), else the system's reason ("No such file or directory"). Under Wine a POSIX
// pipe or device shows as a handle that is no disk file and is refused alike.
FILE* openRegularFile(const char* path, std::string& problem);
