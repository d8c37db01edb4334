// Texts compared without regard to ASCII letter case: rc keys and values, and the words of broadcasts.
#pragma once

#include <cstddef>

// The first `length` characters of `a` and `b` equal but for ASCII letter case. It stops at the
// first difference, so a zero-terminated text shorter than `length` is never read past its end.
bool sameIgnoringCase(const char* a, const char* b, size_t length);

// Whole zero-terminated texts equal without regard to ASCII letter case.
bool equalsIgnoringCase(const char* a, const char* b);
