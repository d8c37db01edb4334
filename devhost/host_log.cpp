// The host log: one line per host call and event, in order, flushed at once.
#include "devhost/host_log.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kMaxOmitted = 16;
constexpr size_t kOmitNameSize = 64;

FILE* logFile = nullptr;
bool logOwnsFile = false;
CRITICAL_SECTION logLock;
bool logLockReady = false;
char omitted[kMaxOmitted][kOmitNameSize];
int omittedCount = 0;
bool logTimes = false;
LARGE_INTEGER timesStart, timesFrequency;
bool keepLines = false;
// What the script will await: only lines beginning so are kept. A script's 900 broadcasts
// between two awaits log some 70,000 lines no await can take; kept, they grew the host for good.
constexpr int kMaxAwaited = 256;
const char* awaited[kMaxAwaited];  // the script's own texts, which live as long as it runs
int awaitedCount = 0;
bool keepEveryLine = false;  // more texts than the table holds
std::vector<std::string> keptLines;  // since the last one taken

void ensureLock() {
    // The host opens its log on the window thread before any second thread exists.
    if (!logLockReady) {
        InitializeCriticalSection(&logLock);
        logLockReady = true;
    }
}

bool isOmitted(const char* line) {
    size_t wordLength = std::strcspn(line, " ");
    for (int i = 0; i < omittedCount; ++i)
        if (std::strlen(omitted[i]) == wordLength && std::strncmp(omitted[i], line, wordLength) == 0)
            return true;
    return false;
}

bool isAwaited(const char* line) {
    if (keepEveryLine) return true;
    for (int i = 0; i < awaitedCount; ++i)
        if (std::strncmp(line, awaited[i], std::strlen(awaited[i])) == 0) return true;
    return false;
}

}  // namespace

bool logOpen(const char* path) {
    ensureLock();
    logClose();
    if (!path) {
        logFile = stdout;
        logOwnsFile = false;
        return true;
    }
    logFile = std::fopen(path, "wb");
    logOwnsFile = logFile != nullptr;
    return logFile != nullptr;
}

void logClose() {
    if (!logLockReady) return;
    EnterCriticalSection(&logLock);
    if (logFile && logOwnsFile) std::fclose(logFile);
    logFile = nullptr;
    logOwnsFile = false;
    LeaveCriticalSection(&logLock);
}

void logOmit(const char* name) {
    if (omittedCount >= kMaxOmitted) return;
    std::snprintf(omitted[omittedCount], kOmitNameSize, "%s", name);
    ++omittedCount;
}

void logEnableTimes() {
    QueryPerformanceFrequency(&timesFrequency);
    QueryPerformanceCounter(&timesStart);
    logTimes = true;
}

void logKeepLines(const char* beginning) {
    ensureLock();
    EnterCriticalSection(&logLock);
    keepLines = true;
    bool known = false;
    for (int i = 0; i < awaitedCount; ++i) known = known || std::strcmp(awaited[i], beginning) == 0;
    if (!known && awaitedCount < kMaxAwaited) awaited[awaitedCount++] = beginning;
    else if (!known) keepEveryLine = true;
    LeaveCriticalSection(&logLock);
}

bool logTakeLine(const char* text) {
    ensureLock();
    EnterCriticalSection(&logLock);
    size_t length = std::strlen(text);
    bool found = false;
    for (size_t i = 0; i < keptLines.size() && !found; ++i) {
        if (keptLines[i].compare(0, length, text) != 0) continue;
        keptLines.erase(keptLines.begin(), keptLines.begin() + static_cast<std::ptrdiff_t>(i + 1));
        found = true;
    }
    LeaveCriticalSection(&logLock);
    return found;
}

void logWrite(const char* line) {
    ensureLock();
    EnterCriticalSection(&logLock);
    if (logFile && !isOmitted(line) && keepLines && isAwaited(line)) keptLines.push_back(line);
    if (logFile && !isOmitted(line)) {
        if (logTimes) {
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            long long micros = (now.QuadPart - timesStart.QuadPart) * 1000000LL / timesFrequency.QuadPart;
            std::fprintf(logFile, "%lld ", micros);
        }
        std::fputs(line, logFile);
        std::fputc('\n', logFile);
        // A host that crashes inside a plugin must still leave every line before the crash.
        std::fflush(logFile);
    }
    LeaveCriticalSection(&logLock);
}

void logPrintf(const char* format, ...) {
    char line[kLogLineSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    logWrite(line);
}

#include "devhost/log_format.h"

void logBegin(LogLine& line, const char* word) {
    std::snprintf(line.text, sizeof line.text, "%s", word);
}

void logAddText(LogLine& line, const char* text) {
    appendLogFormat(line.text, sizeof line.text, " ");
    appendLogText(line.text, sizeof line.text, text);
}

void logAddNamedText(LogLine& line, const char* name, const char* text) {
    appendLogFormat(line.text, sizeof line.text, " %s=", name);
    appendLogText(line.text, sizeof line.text, text);
}

void logAddWindow(LogLine& line, HWND window) {
    appendLogFormat(line.text, sizeof line.text, " ");
    appendLogWindow(line.text, sizeof line.text, window);
}

void logAddNamedWindow(LogLine& line, const char* name, HWND window) {
    appendLogFormat(line.text, sizeof line.text, " %s=", name);
    appendLogWindow(line.text, sizeof line.text, window);
}

void logAdd(LogLine& line, const char* format, ...) {
    size_t used = std::strlen(line.text);
    if (used + 1 >= sizeof line.text) return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(line.text + used, sizeof line.text - used, format, args);
    va_end(args);
}

void logEnd(const LogLine& line) { logWrite(line.text); }

void logAddLongText(LogLine& line, const char* text) {
    size_t used = std::strlen(line.text);
    if (!text || used + 1 + logTextLength(text) < sizeof line.text) logAddText(line, text);
    else logAdd(line, " <%u bytes>", static_cast<unsigned>(std::strlen(text)));
}
