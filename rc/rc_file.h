// The host's rc file format: reading and atomically rewriting "key: value" settings files.
//
// One setting a line: the key (as "trazzle.plugin.x:"), blanks, the value. Lines whose first
// non-blank character is '#' or '!', and blank lines, are comments. Keys compare without
// regard to letter case and the first matching line wins. The value is the rest of the line
// with surrounding blanks (spaces, tabs, a carriage return) removed, taken as it stands.
// Lines may be of any length; the last line needs no newline.
#pragma once

#include <cstddef>
#include <cstdint>

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

// Replaces the value of the first line holding `key`, or appends "key value" when no line
// does, or creates the file. Every other byte of the file is kept. The new file is written
// beside the old one and renamed over it, so a crash leaves one or the other, never a mix.
// The replaced line keeps its key text, the blanks before the value and its line ending (the
// old value's trailing blanks go with it); an appended line ends like the file's first line
// (CRLF or LF). Refuses (returns false, file untouched) an empty key, a key or value holding
// a line break, and a key beginning or ending with a blank, '#' or '!' (at the start), which no
// read could find again.
// A value's surrounding blanks do not survive a read. Writers of one file take turns, also
// across processes; the new text and the rename are on the disk before it returns; the file
// keeps its permissions, and a symbolic link stays a link to the changed file.
bool rcWriteString(const char* path, const char* key, const char* value);
// Several values in one read-modify-rename, in order (a later value of the same key wins);
// refuses all when one key or value would be refused.
bool rcWriteStrings(const char* path, const char* const* keys, const char* const* values, size_t count);
// Whether a write of `key` and `value` would be taken (see above).
bool rcWriteAcceptable(const char* key, const char* value);
bool rcWriteBool(const char* path, const char* key, bool value);  // writes "true" or "false"
bool rcWriteInt(const char* path, const char* key, int32_t value);

// A line holds `key` when, after its leading blanks, it begins with the key (letter case
// aside) and the key either ends in ':' or is followed by a blank or the end of the line, so
// "size" never finds the line "sizes: 3".
