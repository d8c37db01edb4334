// The host's rc file format: reading and atomically rewriting "key: value" settings files.
//
// One setting a line: the key (as "trazzle.plugin.x:"), blanks, the value. Lines whose first
// non-blank character is '#' or '!', and blank lines, are comments. Keys compare without
// regard to letter case and the first matching line wins: a line holds `key` when, after its
// leading blanks, it begins with the key and the key either ends in ':' or is followed by a
// blank or the end of the line, so "size" never finds the line "sizes: 3". The value is the
// rest of the line with surrounding blanks (spaces, tabs, a carriage return) removed, taken as
// it stands.
// Lines may be of any length; the last line needs no newline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Copies the value of `key` into `out` (cut to outSize - 1 characters, always terminated).
// Returns false, with `defaultValue` copied instead, when the file or the key is missing.
bool rcReadString(const char* path, const char* key, const char* defaultValue, char* out,
                  size_t outSize);

// "true"/"false", "yes"/"no", "on"/"off", "1"/"0" in any letter case; anything else, or a
// missing key, gives `defaultValue`.
bool rcReadBool(const char* path, const char* key, bool defaultValue);

// Decimal with an optional sign, within the signed 32-bit range; anything else gives
// `defaultValue`.
int32_t rcReadInt(const char* path, const char* key, int32_t defaultValue);

// The same reads on a file's text already in memory (`size` bytes; a null `text` has no keys),
// for callers that read many keys of one file.
bool rcTextReadString(const char* text, size_t size, const char* key, const char* defaultValue,
                      char* out, size_t outSize);
bool rcTextReadBool(const char* text, size_t size, const char* key, bool defaultValue);
int32_t rcTextReadInt(const char* text, size_t size, const char* key, int32_t defaultValue);

// Whether a write happened, and why not: every write function hands its reason back here,
// so a message never has to guess it from errno or GetLastError.
enum RcWriteStatus {
    kRcWritten,
    kRcRefused,  // a key or value no read could find again; nothing was tried
    kRcChanged,  // the caller's check of the file as it is now said no; nothing written
    kRcFailed,   // the file could not be read, locked or replaced; `reason` says why
};
constexpr size_t kRcReasonSize = 192;
// How long a writer waits for another writer of the same file before it gives up: a rewrite
// takes milliseconds, so only a hung or stopped writer holds the lock that long.
constexpr unsigned kRcLockWaitMs = 2000;
// While others keep replacing the file (they are taking their turns, none is stuck), a writer
// waits on, at most this many times as long.
constexpr unsigned kRcLockWaitTurns = 10;
struct RcWriteResult {
    RcWriteStatus status;
    char reason[kRcReasonSize];  // "the file is read-only", "Permission denied", ...; "" when written
};

// Called with the writers' lock held and the file's text as it is at that moment (empty for a
// missing file): false stops the write with kRcChanged. Lets a caller that decided its values
// on an earlier read make sure nobody changed what it relied on since.
typedef bool (*RcTextCheck)(void* context, const char* text, size_t size);

// One change to a file's text: a key's value set (as rcWriteString sets it), or, with `remove`,
// every line holding the key taken out with its line ending.
struct RcEdit {
    std::string key;
    std::string value;
    bool remove;
};
// Called with the writers' lock held and the file's text as it is then: puts the edits to make
// into `edits`; false stops the write with kRcChanged. For a caller whose edits depend on the
// file's current lines, such as which keys to remove.
typedef bool (*RcEditsDecide)(void* context, const char* text, size_t size, std::vector<RcEdit>& edits);
// Where a key that no line holds yet goes: the offset of the line it is put before (the start
// of a line), or `size` for the end of the text, as a plain write puts it. Lets a caller keep
// related keys together.
typedef size_t (*RcKeyPlace)(const char* text, size_t size, const char* key);

// One line of an rc file's text, split as every reader of the format splits it: offsets into
// the text.
struct RcTextLine {
    size_t bodyStart;  // after the line's leading blanks
    size_t bodyEnd;    // before its trailing blanks and its "\r\n" or "\n" (or the end of the text)
    size_t lineEnd;    // before its "\r\n" or "\n": where a replaced value ends
    size_t next;       // where the next line starts; `size` after the last one
    bool setting;      // neither blank nor a comment ('#' or '!' first)
};
// The line that starts at `at` (below `size`).
RcTextLine rcLineAt(const char* text, size_t size, size_t at);

// Replaces the value of the first line holding `key`, or appends "key value" when no line
// does, or creates the file. Every other byte of the file is kept. The new file is written
// beside the old one and renamed over it, so a crash leaves one or the other, never a mix.
// The replaced line keeps its key text, the blanks before the value and its line ending (the
// old value's trailing blanks go with it); an appended line ends like the file's first line
// (CRLF or LF). Refuses (kRcRefused, file untouched) an empty key, a key or value holding a
// line break, and a key beginning or ending with a blank, '#' or '!' (at the start), which no
// read could find again. Refuses (kRcFailed) a file that is not a regular file (a pipe, a
// device: it is never opened, so nothing blocks) and a read-only one.
// A value's surrounding blanks do not survive a read. Writers of one file take turns, also
// across processes and between the Windows and the POSIX build (a lock on "NAME.lock" beside
// the file, which stays); a writer waits at most kRcLockWaitMs for one that gets nowhere. The
// new text and the rename are on the disk before it returns; the file keeps its permissions (the temporary
// has them before its first byte), and a symbolic link stays a link to the changed file.
bool rcWriteString(const char* path, const char* key, const char* value, RcWriteResult* result = nullptr);
// Several values in one read-modify-rename, in order (a later value of the same key wins);
// refuses all when one key or value would be refused. With `check`, the file read under the
// lock is shown to it first.
// With `place`, a key that no line holds goes where it says.
bool rcWriteStrings(const char* path, const char* const* keys, const char* const* values, size_t count,
                    RcWriteResult* result = nullptr, RcTextCheck check = nullptr, void* context = nullptr,
                    RcKeyPlace place = nullptr);
// The same read-modify-rename, its edits decided by `decide` under the lock on the file as it is
// then, in order; a key or value that rcWriteStrings would refuse refuses them all (kRcRefused,
// nothing written). A removed key's lines go whole; every other byte is kept.
bool rcWriteEdits(const char* path, RcEditsDecide decide, void* context, RcKeyPlace place,
                  RcWriteResult* result = nullptr);
// The edits made on a text in memory, as a write makes them: a new key goes where `place` says
// (null: at the end), with the line ending of the text's first line.
void rcTextEdit(std::string& text, const std::vector<RcEdit>& edits, RcKeyPlace place = nullptr);
// Whether `path` may be written at all, before anything costly is done for it: false (kRcFailed,
// with the reason) for a file that is not a regular file or is read-only. A missing file may.
bool rcCheckWritable(const char* path, RcWriteResult& result);
// Whether a write of `key` and `value` would be taken (see above).
bool rcWriteAcceptable(const char* key, const char* value);
bool rcWriteBool(const char* path, const char* key, bool value, RcWriteResult* result = nullptr);  // "true"/"false"
bool rcWriteInt(const char* path, const char* key, int32_t value, RcWriteResult* result = nullptr);
