// Text forms used in the host log: quoted texts with %XX escapes, window names, rectangles.
#include "devhost/log_format.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

static void appendChars(char* out, size_t outSize, const char* chars, size_t count) {
    size_t used = std::strlen(out);
    if (used + 1 >= outSize) return;
    size_t room = outSize - 1 - used;
    if (count > room) count = room;
    std::memcpy(out + used, chars, count);
    out[used + count] = '\0';
}

void appendLogFormat(char* out, size_t outSize, const char* format, ...) {
    size_t used = std::strlen(out);
    if (used + 1 >= outSize) return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(out + used, outSize - used, format, args);
    va_end(args);
}

static bool needsEscape(unsigned char c) { return c < 0x20 || c == 0x7F || c == '"' || c == '%'; }

void appendLogText(char* out, size_t outSize, const char* text) {
    if (!text) {
        appendChars(out, outSize, "null", 4);
        return;
    }
    // Keep room for the closing quote, so a cut text still reads as one quoted field.
    if (outSize < 3) return;
    appendChars(out, outSize - 1, "\"", 1);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (needsEscape(*p)) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", *p);
            size_t used = std::strlen(out);
            if (used + 3 > outSize - 2) break;  // never half an escape
            appendChars(out, outSize - 1, escaped, 3);
        } else {
            char c = static_cast<char>(*p);
            appendChars(out, outSize - 1, &c, 1);
        }
    }
    appendChars(out, outSize, "\"", 1);
}

size_t logTextLength(const char* text) {
    if (!text) return 4;
    size_t length = 2;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
        length += needsEscape(*p) ? 3 : 1;
    return length;
}

void appendLogWindow(char* out, size_t outSize, HWND window) {
    if (!window) {
        appendChars(out, outSize, "0", 1);
        return;
    }
    char className[128];
    if (!IsWindow(window) || GetClassNameA(window, className, sizeof className) == 0) {
        appendChars(out, outSize, "[?]", 3);
        return;
    }
    appendLogFormat(out, outSize, "[%s]", className);
}
