// Texts compared without regard to ASCII letter case: rc keys and values, and the words of broadcasts.
#include "rc/letter_case.h"

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool sameIgnoringCase(const char* a, const char* b, size_t length) {
    for (size_t i = 0; i < length; ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

bool equalsIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (lower(*a) != lower(*b)) return false;
    return *a == *b;
}
