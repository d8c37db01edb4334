// What each build does for itself when stroke files are created and named: the exclusive create, the no-replace rename, a seed for temporaries.
#pragma once

// A rename of `from` to `to` that never replaces a file; false when it did not happen, with
// `taken` set when that is because `to` exists, the system's error left as it was.
bool renameWithoutReplacing(const char* from, const char* to, bool& taken);

// A number that differs between processes and from moment to moment, for temporary names.
unsigned long long strokeTempSeed();
