// What trazzle-check and trazzle-replay share for outside input: a bounded file read and printable texts.
#include "training/tool_text.h"

#include "training/regular_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>

FileRead readInputFile(const char* path, std::string& text, std::string& problem) {
    text.clear();
    // Only a regular file: trazzle reads its rc file from the disk, and a pipe nobody writes to
    // would hang the reader natively and read as empty under Wine.
    FILE* file = openRegularFile(path, problem);
    if (!file) return kFileUnreadable;
    char chunk[16384];
    size_t got;
    errno = 0;
    // One byte past the bound is enough to know the file is too large; /dev/zero never ends.
    while (text.size() <= kMaxInputFileSize && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, got);
    // A folder opens fine on POSIX and fails only here.
    bool failed = std::ferror(file) != 0;
    int error = errno;
    std::fclose(file);
    if (failed) {
        problem = std::strerror(error ? error : EIO);
        return kFileUnreadable;
    }
    if (text.size() > kMaxInputFileSize) {
        text.clear();
        return kFileTooLarge;
    }
    return kFileRead;
}

namespace {

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at `at` (1 to 4), or 0 when the byte there starts none;
// overlong forms and surrogates are not valid.
size_t sequenceLength(const unsigned char* at, size_t left, unsigned& codePoint) {
    unsigned char c = at[0];
    if (c < 0x80) {
        codePoint = c;
        return 1;
    }
    size_t length;
    unsigned low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) length = 2, codePoint = c & 0x1F;
    else if (c == 0xE0) length = 3, codePoint = c & 0x0F, low = 0xA0;
    else if (c == 0xED) length = 3, codePoint = c & 0x0F, high = 0x9F;
    else if (c >= 0xE1 && c <= 0xEF) length = 3, codePoint = c & 0x0F;
    else if (c == 0xF0) length = 4, codePoint = c & 0x07, low = 0x90;
    else if (c == 0xF4) length = 4, codePoint = c & 0x07, high = 0x8F;
    else if (c >= 0xF1 && c <= 0xF3) length = 4, codePoint = c & 0x07;
    else return 0;
    if (left < length || at[1] < low || at[1] > high) return 0;
    for (size_t i = 1; i < length; ++i) {
        if (!continuation(at[i])) return 0;
        codePoint = (codePoint << 6) | (at[i] & 0x3F);
    }
    return length;
}

void appendEscaped(std::string& out, const unsigned char* at, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02x", at[i]);
        out += escape;
    }
}

}  // namespace

std::string printableText(const std::string& text, const char* alsoEscape) {
    std::string out;
    out.reserve(text.size());
    const unsigned char* at = reinterpret_cast<const unsigned char*>(text.data());
    size_t left = text.size();
    while (left > 0) {
        unsigned codePoint = 0;
        size_t length = sequenceLength(at, left, codePoint);
        if (length == 0) {
            appendEscaped(out, at, 1);
            length = 1;
        } else if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) ||
                   codePoint == 0xFFFE || codePoint == 0xFFFF ||
                   (codePoint < 0x80 && codePoint != 0 && std::strchr(alsoEscape, static_cast<int>(codePoint)))) {
            appendEscaped(out, at, length);
        } else {
            out.append(reinterpret_cast<const char*>(at), length);
        }
        at += length;
        left -= length;
    }
    return out;
}

std::string quotedExcerpt(const std::string& text, size_t limit, const char* alsoEscape) {
    bool cut = text.size() > limit;
    return "\"" + printableText(cut ? text.substr(0, limit) : text, alsoEscape) + (cut ? "\"..." : "\"");
}

void useBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}
