// Which gesture texts some stroke can produce, and a canonical stroke that produces each of them.
#pragma once

#include "engine/stroke_tokenizer.h"

// The most tokens a finished GestureText can hold (99 characters).
constexpr int kMaxGestureTokens = (kGestureTextSize - 1) / kTokenTextLength;

// Splits `text` into indexes of kCornerTokens. Returns the number of tokens, or -1 when the
// text is not tokens separated by single blanks (or holds more than maxTokens of them). The
// empty text has 0 tokens.
int parseGestureTokens(const char* text, int* tokens, int maxTokens);

// Whether a stroke can show token `next` right after token `previous`: a corner leaves the
// senses where that token put them, or (after a move that reverses both, which yields nothing)
// with both reversed; `next` must start from one of those two.
bool canFollow(int previous, int next);

// Whether some stroke yields exactly `text` as its finished GestureText. The empty text is
// producible (a straight stroke); so is any run of up to 33 tokens in which each may follow
// the one before it.
bool isProducible(const char* text);

// Spacing of the canonical stroke's points: well above the 12-pixel step threshold.
constexpr int kCanonicalStep = 40;
constexpr int kMaxCanonicalPoints = 2 * kMaxGestureTokens + 2;

// A short stroke, starting at (0, 0), whose finished GestureText is exactly `text`: the start
// point, one diagonal step into the first corner, then one step per token (and one step that
// reverses both senses where the next token needs it). Returns the number of points written
// to `points` (room for kMaxCanonicalPoints), or 0 when `text` is not producible.
int canonicalStroke(const char* text, ScreenPoint* points);
