// Creating the next free stroke-NNN.txt in a folder, exclusively, directly or by naming a flushed temporary: nothing is overwritten, no planted link followed.
#pragma once

#include <cstdio>

#include "training/example_names.h"

constexpr int kStrokeNameSize = 32;
constexpr int kMaxStrokeFiles = 999;

// "stroke-007.txt" for 7.
void strokeFileName(int number, char (&name)[kStrokeNameSize]);

// Creates the file `path` exclusively, opened for binary writing; null when it cannot, with
// `taken` set when that is because the name is taken (by a file, a folder or any link).
FILE* createStrokeFileAt(const char* path, bool& taken);

// Creates the first of stroke-001.txt ... stroke-999.txt in `folder` (ending in a separator)
// that does not exist yet, its name in `name`, opened for binary writing; null when none can
// be made, with `*full` (when given) set when that is because every name is taken, else the
// system's error left as it was (errno, or GetLastError on Windows). A name already taken, by a
// file, a folder or a link even pointing nowhere, is skipped for the next number.
FILE* createNextStrokeFile(const char* folder, char (&name)[kStrokeNameSize], bool* full = nullptr);

// Creates the temporary `name` (isStrokeTempName) in `folder` (ending in a separator),
// exclusively, opened for binary writing; null when it cannot, the system's error left as it was.
FILE* createStrokeTemp(const char* folder, char (&name)[kStrokeTempNameSize]);
// Flushes `file` to the disk and closes it; false when a write, the flush or the close failed.
bool closeStrokeFileFlushed(FILE* file);
// Gives the file `from` the first free name of stroke-001.txt ... stroke-999.txt in `folder`
// (ending in a separator), in one rename that never replaces a file: a name taken meanwhile is
// skipped for the next. False when it cannot, `from` left as it was, with `*full` (when given)
// set when every name is taken, else the system's error left as it was. The file is then under
// exactly one of its two names at any moment, so a write killed midway leaves no stroke file
// that is empty or cut short, and a Move killed midway leaves the example in one slot.
bool giveStrokeFileName(const char* from, const char* folder, char (&name)[kStrokeNameSize], bool* full = nullptr);
