// Creating the next free stroke-NNN.txt in a folder, exclusively: nothing is overwritten, no planted link followed.
#pragma once

#include <cstdio>

constexpr int kStrokeNameSize = 32;
constexpr int kMaxStrokeFiles = 999;

// "stroke-007.txt" for 7.
void strokeFileName(int number, char (&name)[kStrokeNameSize]);

// Creates the first of stroke-001.txt ... stroke-999.txt in `folder` (ending in a separator)
// that does not exist yet, its name in `name`, opened for binary writing; null when none can
// be made, with `*full` (when given) set when that is because every name is taken, else the
// system's error left as it was (errno, or GetLastError on Windows). A name already taken, by a
// file, a folder or a link even pointing nowhere, is skipped for the next number.
// Creates the file `path` exclusively, opened for binary writing; null when it cannot, with
// `taken` set when that is because the name is taken (by a file, a folder or any link).
FILE* createStrokeFileAt(const char* path, bool& taken);

FILE* createNextStrokeFile(const char* folder, char (&name)[kStrokeNameSize], bool* full = nullptr);
