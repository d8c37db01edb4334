// Which gesture texts some stroke can produce, and a canonical stroke that produces each of them.
#include "training/gesture_producibility.h"

#include <cstring>

namespace {

// Senses (h, v) before and after a token's corner, taken from the tokenizer's own table.
struct Senses {
    int32_t h;
    int32_t v;
};

Senses sensesBefore(const CornerToken& token) {
    if (token.test == kHorizontalKept) return {token.keptSense, token.otherPrevious};
    return {token.otherPrevious, token.keptSense};
}

Senses sensesAfter(const CornerToken& token) {
    if (token.test == kHorizontalKept) return {token.keptSense, token.otherNow};
    return {token.otherNow, token.keptSense};
}

bool same(Senses a, Senses b) { return a.h == b.h && a.v == b.v; }

Senses reversed(Senses s) { return {1 - s.h, 1 - s.v}; }

// A step whose senses, measured from the point before it, are `s`. Steps that reverse both
// senses are made a little shorter, so the stroke does not run back over itself exactly.
ScreenPoint step(ScreenPoint from, Senses s, int length) {
    return {from.x + (s.h ? length : -length), from.y + (s.v ? length : -length)};
}

}  // namespace

int parseGestureTokens(const char* text, int* tokens, int maxTokens) {
    int count = 0;
    const char* p = text;
    if (*p == '\0') return 0;
    for (;;) {
        int found = -1;
        for (int i = 0; i < kCornerTokenCount; ++i)
            if (std::strncmp(p, kCornerTokens[i].label, 2) == 0) found = i;
        if (found < 0 || count == maxTokens) return -1;
        tokens[count++] = found;
        p += 2;
        if (*p == '\0') return count;
        if (*p != ' ') return -1;
        ++p;
    }
}

bool canFollow(int previous, int next) {
    Senses after = sensesAfter(kCornerTokens[previous]);
    Senses needed = sensesBefore(kCornerTokens[next]);
    return same(after, needed) || same(reversed(after), needed);
}

bool isProducible(const char* text) {
    int tokens[kMaxGestureTokens];
    int count = parseGestureTokens(text, tokens, kMaxGestureTokens);
    if (count < 0) return false;
    for (int i = 1; i < count; ++i)
        if (!canFollow(tokens[i - 1], tokens[i])) return false;
    return true;
}

int canonicalStroke(const char* text, ScreenPoint* points) {
    if (!isProducible(text)) return 0;
    int tokens[kMaxGestureTokens];
    int count = parseGestureTokens(text, tokens, kMaxGestureTokens);
    int n = 0;
    points[n++] = {0, 0};
    if (count == 0) return n;
    // The first accepted step only sets the senses; each later step that keeps one sense and
    // reverses the other makes the corner at the point before it.
    Senses senses = sensesBefore(kCornerTokens[tokens[0]]);
    points[n] = step(points[n - 1], senses, kCanonicalStep);
    ++n;
    for (int i = 0; i < count; ++i) {
        const CornerToken& token = kCornerTokens[tokens[i]];
        if (!same(senses, sensesBefore(token))) {
            senses = reversed(senses);
            points[n] = step(points[n - 1], senses, kCanonicalStep * 3 / 4);
            ++n;
        }
        senses = sensesAfter(token);
        points[n] = step(points[n - 1], senses, kCanonicalStep);
        ++n;
    }
    return n;
}
