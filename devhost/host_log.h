// The host log: one line per host call and event, in order, flushed at once.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr size_t kLogLineSize = 2048;

// Opens the log: a file (created anew) or, for a null path, standard output. False when the
// file cannot be created. Safe to call again; the previous log is closed.
bool logOpen(const char* path);
void logClose();

// Lines whose first word is `name` are left out of the log (e.g. painting calls whose
// moment depends on when the system asks for a repaint).
void logOmit(const char* name);

// From now on every line starts with the microseconds since this call and a blank
// (QueryPerformanceCounter), taken under the log's lock so the times never decrease.
void logEnableTimes();

// For scripts that "await" a line beginning with `beginning` (a text that outlives the run):
// from now on every line written that begins so is also kept, from the line after the last one
// taken, so a line written before anyone waits for it is not missed. Lines no await can take
// are not kept, so a long script holds no more than what it awaits.
void logKeepLines(const char* beginning);
// Takes the first kept line beginning with `text` (times left out), and every kept line before
// it; false, taking nothing, when none does.
bool logTakeLine(const char* text);

// Writes one finished line (without its line break). Callable from any thread; lines never
// interleave.
void logWrite(const char* line);

// printf-style line; callers with quoted texts build the line with log_format.h instead.
void logPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// One log line built piece by piece: logBegin, then fields, then logEnd writes it.
struct LogLine {
    char text[kLogLineSize];
};
void logBegin(LogLine& line, const char* word);
void logAddText(LogLine& line, const char* text);  // a blank and the quoted text (or null)
void logAddNamedText(LogLine& line, const char* name, const char* text);  // name="text"
void logAddWindow(LogLine& line, HWND window);  // a blank and [ClassName] (or 0)
void logAddNamedWindow(LogLine& line, const char* name, HWND window);  // name=[ClassName]
void logAdd(LogLine& line, const char* format, ...) __attribute__((format(printf, 2, 3)));
void logEnd(const LogLine& line);

// A blank and the quoted text when it fits the line whole, else " <N bytes>": a long
// broadcast must not look like a shorter one cut silently.
void logAddLongText(LogLine& line, const char* text);
