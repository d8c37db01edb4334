// The host's rc writes, taken at once and put in the file together a moment later.
#include "devhost/rc_pending.h"

#include <cstdio>
#include <cstring>

#include "devhost/host_log.h"
#include "devhost/host_state.h"
#include "rc/rc_file.h"

namespace {

constexpr int kMaxPending = 64;
constexpr size_t kKeySize = 256;
constexpr size_t kValueSize = 64;  // WriteInt and WriteBool values: a number, true or false

struct PendingWrite {
    char path[MAX_PATH];
    char key[kKeySize];
    char value[kValueSize];
};

PendingWrite pending[kMaxPending];
int pendingCount = 0;
bool anyFailed = false;  // a write of this run did not reach its file

bool fits(const char* text, size_t size) { return std::strlen(text) < size; }

void reportFailure(const PendingWrite& write, const char* reason) {
    anyFailed = true;
    LogLine line;
    logBegin(line, "rc-write-failed");
    logAddText(line, write.path);
    logAddText(line, write.key);
    logAddText(line, reason);
    logEnd(line);
    std::fprintf(stderr, "vantrel: error: cannot write \"%s\" to \"%s\": %s\n", write.key, write.path, reason);
    std::fflush(stderr);
}

// Writes every noted value of the file of pending[first] in one replace, then drops them.
void flushFile(int first) {
    char path[MAX_PATH];
    std::memcpy(path, pending[first].path, sizeof path);
    const char* keys[kMaxPending] = {};
    const char* values[kMaxPending] = {};
    int indices[kMaxPending] = {};
    int count = 0;
    for (int i = first; i < pendingCount; ++i) {
        if (_stricmp(pending[i].path, path) != 0) continue;
        indices[count] = i;
        keys[count] = pending[i].key;
        values[count] = pending[i].value;
        ++count;
    }
    RcWriteResult result;
    if (!rcWriteStrings(path, keys, values, static_cast<size_t>(count), &result))
        for (int n = 0; n < count; ++n) reportFailure(pending[indices[n]], result.reason);
    // Drop them, keeping the order of the rest.
    int kept = 0;
    for (int i = 0, n = 0; i < pendingCount; ++i) {
        if (n < count && indices[n] == i) {
            ++n;
            continue;
        }
        if (kept != i) pending[kept] = pending[i];
        ++kept;
    }
    pendingCount = kept;
}

}  // namespace

bool rcPendingWrite(const char* path, const char* key, const char* value) {
    if (!path || !rcWriteAcceptable(key, value)) {
        anyFailed = true;
        return false;
    }
    if (!fits(path, MAX_PATH) || !fits(key, kKeySize) || !fits(value, kValueSize)) {
        rcPendingFlush(path);
        bool written = rcWriteString(path, key, value);
        if (!written) anyFailed = true;
        return written;
    }
    for (int i = 0; i < pendingCount; ++i) {
        if (_stricmp(pending[i].path, path) == 0 && std::strcmp(pending[i].key, key) == 0) {
            std::snprintf(pending[i].value, sizeof pending[i].value, "%s", value);
            return true;
        }
    }
    if (pendingCount == kMaxPending) rcPendingFlush(nullptr);
    PendingWrite& write = pending[pendingCount++];
    std::snprintf(write.path, sizeof write.path, "%s", path);
    std::snprintf(write.key, sizeof write.key, "%s", key);
    std::snprintf(write.value, sizeof write.value, "%s", value);
    // Without a window (the in-process tests) the writes wait for a read or an explicit flush.
    if (hostState.mainWindow) SetTimer(hostState.mainWindow, kRcFlushTimer, kRcFlushDelayMs, nullptr);
    return true;
}

void rcPendingFlush(const char* path) {
    for (int i = 0; i < pendingCount;) {
        if (!path || _stricmp(pending[i].path, path) == 0) flushFile(i);
        else ++i;
    }
    if (pendingCount == 0 && hostState.mainWindow) KillTimer(hostState.mainWindow, kRcFlushTimer);
}

bool rcAnyWriteFailed() { return anyFailed; }
