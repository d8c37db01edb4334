// Example file names Windows would read as another file (trailing dots or blanks, device names, streams), and the temporaries new examples are written under.
#pragma once

#include <string>

// Why Windows would not open the file `name` (a name without a folder) as it is named, or
// refuse it: it drops trailing dots and blanks ("stroke-001.txt." opens "stroke-001.txt"),
// takes CON, PRN, AUX, NUL, COM0-9 and LPT0-9 (with any extension, "con.txt" too) as devices,
// reads "FILE:NAME" as a stream of FILE, and refuses < > " | ? * and control characters.
// Empty when the name is safe. Every path that moves, deletes or reads an example by its
// name asks this first, in both builds, so the file acted on is always the file named.
std::string nameWindowsChanges(const char* name);

// New examples are written under "stroke.tmp-" and 12 letters or digits in their slot's
// folder, flushed, and only then given their stroke-NNN.txt name, so that no stroke file is
// ever empty or cut short. A name of that form left in a slot folder is a write that did not
// finish: it is no example, and the trainer removes it when it opens.
constexpr int kStrokeTempNameSize = 32;
bool isStrokeTempName(const char* name);
// The temporary's name for 64 bits of a changing value (process, time, a counter).
void strokeTempName(unsigned long long bits, char (&name)[kStrokeTempNameSize]);
