// The host's rc writes, taken at once and put in the file together a moment later.
//
// A plugin may write on every move of a drag (the tool square stores x and y each time), and
// a durable replace of the file costs milliseconds. So WriteInt and WriteBool only note the
// value; the file is replaced once for everything noted, at the latest kRcFlushDelayMs later,
// and at once before any read of that file, before a script command acts and when the host
// ends. A later value of the same key replaces the earlier one.
#pragma once

#include <windows.h>

constexpr UINT kRcFlushDelayMs = 50;
constexpr UINT_PTR kRcFlushTimer = 0x7C;  // the host window's timer that flushes the writes

// Notes the write; false (nothing noted) when the file would refuse the key or value. Keys
// too long to keep are written at once, with that write's result.
bool rcPendingWrite(const char* path, const char* key, const char* value);

// Puts the noted writes of `path` (all of them for null) in their files. A file that cannot
// be written is logged as `rc-write-failed "path" "key" "reason"` for each of its keys and reported on
// standard error.
void rcPendingFlush(const char* path);

// True once any write of this run was refused or did not reach its file: the host's exit
// status says so.
bool rcAnyWriteFailed();
