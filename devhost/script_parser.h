// The host's script language: one command a line, checked as a whole before anything runs.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr int kMaxScriptCommands = 500;
constexpr int kScriptLineSize = 512;
constexpr int kMaxRepeatDepth = 8;
constexpr int kMaxRepeatCount = 100000;
constexpr int kMaxBroadcastFileSize = 65536;

enum ScriptOp {
    kOpKeyDown,
    kOpKeyUp,
    kOpButtonDown,
    kOpButtonUp,
    kOpMove,
    kOpWait,
    kOpBroadcast,
    kOpBroadcastFile,
    kOpReconfigure,
    kOpMenu,
    kOpCapture,
    kOpQuit,
    kOpDialog,
    kOpWindow,
    kOpRepeat,
    kOpEnd,
    kOpRestart,
    kOpMemory,
    kOpCopy,
    kOpClose,
    kOpFocus,
    kOpAwait,
    kOpWheel,
    kOpText,
    kOpAwaitText,
};

constexpr int kAwaitDefaultMs = 10000;

struct ScriptCommand {
    int line;                     // 1 for the file's first line
    ScriptOp op;
    char text[kScriptLineSize];   // the line as written, without surrounding blanks
    int a, b;                     // key: code; button: MOUSEEVENTF down/up flag; move: x, y;
                                  // wait: milliseconds; await, await-text: the limit in ms;
                                  // wheel: the turn, 120 a notch away from the user;
                                  // menu: the value (with hasValue);
                                  // repeat: the count, and b the index of its end; end: b the
                                  // index of its repeat (both set by scriptLoad)
    bool hasValue;
    char argument[kScriptLineSize];  // broadcast text (escapes decoded), the awaited text, menu title, capture
                                     // window, text, close and focus: the window class
    char file[MAX_PATH];             // capture: the .bmp file; broadcast-file: the text file;
                                     // copy: the target (argument: the source); await-text: the
                                     // text awaited (argument: the window)
    char error[256];                 // why the command failed when it ran
};

struct Script {
    char fileName[MAX_PATH];
    int count;
    ScriptCommand commands[kMaxScriptCommands];
};

// Parses one line (no line break) into `command`. Returns 1 for a command, 0 for a blank or
// comment line, -1 for a malformed line with the reason in `error`.
int scriptParseLine(const char* text, int lineNumber, ScriptCommand& command, char* error,
                    size_t errorSize);

// Reads a broadcast-file's text into `out` (kMaxBroadcastFileSize + 1 bytes): every byte as
// it stands, a last line break included. False with the reason for a file that cannot be
// read, is larger than kMaxBroadcastFileSize, or holds a zero byte (which would end the text).
bool readBroadcastFile(const char* path, char* out, char* error, size_t errorSize);

// Reads and parses a whole script file; every repeat must be closed by its end, at most
// kMaxRepeatDepth deep. False with "FILE:LINE: reason" (or "FILE: reason"
// when the file cannot be read) in `error`.
bool scriptLoad(const char* path, Script& script, char* error, size_t errorSize);
