// Host exports that read and write plugin settings in rc files, logged with their results.
#define VANTREL_BUILDING_HOST
#include "contract/vantrel.h"

#include <cstdio>

#include "devhost/host_log.h"
#include "rc/rc_file.h"
#include "devhost/rc_pending.h"

// ReadString's answer lives here until the next ReadString; longer values are cut to fit.
constexpr size_t kReadStringSize = 1024;
static char readStringValue[kReadStringSize];

static void beginRcLine(LogLine& line, const char* call, const char* rcPath, const char* key) {
    logBegin(line, call);
    logAddText(line, rcPath);
    logAddText(line, key);
}

BOOL ReadBool(const char* rcPath, const char* key, BOOL defaultValue) {
    rcPendingFlush(nullptr);  // a read sees every write made before it
    BOOL value = rcReadBool(rcPath, key, defaultValue != 0) ? TRUE : FALSE;
    LogLine line;
    beginRcLine(line, "ReadBool", rcPath, key);
    logAdd(line, " %d -> %d", defaultValue, value);
    logEnd(line);
    return value;
}

int ReadInt(const char* rcPath, const char* key, int defaultValue) {
    rcPendingFlush(nullptr);  // a read sees every write made before it
    int value = rcReadInt(rcPath, key, defaultValue);
    LogLine line;
    beginRcLine(line, "ReadInt", rcPath, key);
    logAdd(line, " %d -> %d", defaultValue, value);
    logEnd(line);
    return value;
}

const char* ReadString(const char* rcPath, const char* key, const char* defaultValue) {
    rcPendingFlush(nullptr);  // a read sees every write made before it
    rcReadString(rcPath, key, defaultValue ? defaultValue : "", readStringValue,
                 sizeof readStringValue);
    LogLine line;
    beginRcLine(line, "ReadString", rcPath, key);
    logAddText(line, defaultValue);
    logAdd(line, " ->");
    logAddText(line, readStringValue);
    logEnd(line);
    return readStringValue;
}

void WriteBool(const char* rcPath, const char* key, BOOL value) {
    bool written = rcPendingWrite(rcPath, key, value != 0 ? "true" : "false");
    LogLine line;
    beginRcLine(line, "WriteBool", rcPath, key);
    logAdd(line, " %d%s", value != 0 ? 1 : 0, written ? "" : " -> failed");
    logEnd(line);
}

void WriteInt(const char* rcPath, const char* key, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    bool written = rcPendingWrite(rcPath, key, text);
    LogLine line;
    beginRcLine(line, "WriteInt", rcPath, key);
    logAdd(line, " %d%s", value, written ? "" : " -> failed");
    logEnd(line);
}
