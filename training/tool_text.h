// What trazzle-check and trazzle-replay share for outside input: a bounded file read and printable texts.
#pragma once

#include <cstddef>
#include <string>

// A real rc file has a few kilobytes; this bound keeps an endless or huge input (a device, a
// wrong file) from taking the memory.
constexpr size_t kMaxInputFileSize = 16 * 1024 * 1024;

enum FileRead { kFileRead, kFileUnreadable, kFileTooLarge };

// The whole of `path` in one pass, at most kMaxInputFileSize bytes, only from a regular file.
// kFileUnreadable sets `problem` to the system's reason ("No such file or directory"), or to
// "not a regular file" for a pipe, a device or a folder.
FileRead readInputFile(const char* path, std::string& text, std::string& problem);

// `text` with everything a terminal could obey or an XML parser refuses written as \xNN:
// control characters (C0, DEL and the C1 range U+0080 to U+009F), bytes that are not part of
// valid UTF-8, and U+FFFE, U+FFFF. Tabs and line feeds are escaped too, so one line stays one.
// Valid UTF-8 otherwise stays as it is, and so does a backslash, so an already printable text
// comes back unchanged. Characters in `alsoEscape` (ASCII) are written as \xNN as well.
std::string printableText(const std::string& text, const char* alsoEscape = "");

// At most `limit` bytes of `text` in double quotes, printable, with "..." after the closing
// quote when it was cut; the characters of `alsoEscape` (by default quotes and backslashes, so
// the quote is unambiguous) are escaped too.
std::string quotedExcerpt(const std::string& text, size_t limit, const char* alsoEscape = "\"\\");

// Plain line feeds on the standard streams, so scripts see the same bytes from the Windows
// build as from the native one (which needs nothing done).
void useBinaryStandardStreams();
