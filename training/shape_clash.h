// Shapes whose examples share texts, so that one slot's strokes would launch another: found from the examples alone, said in one line a pair.
#pragma once

#include <string>
#include <vector>

#include "training/learner.h"

// Two slots whose drawn examples share texts. An example of `a` clashes with `b` when a run of
// whole tokens found in two of b's examples would launch it, at least as long as the longest
// run found in two of a's other examples that would: each example is judged by what the other
// strokes teach, never by itself.
struct ShapeClash {
    int a, b;                // a < b
    int aTaken, aCount;      // how many of a's drawn examples clash with b, of how many
    int bTaken, bCount;      // and of b's with a
};

// Every pair of slots with a clash either way, in slot order.
std::vector<ShapeClash> shapeClashes(const std::vector<LearnExample>& examples);

// The pair's one line, naming both slots and the counts, and suggesting another shape for the
// newer slot `newer` (a or b): "slots 1 and 4 share texts: 3 of slot 4's 5 examples would
// launch slot 1, 1 of slot 1's 5 would launch slot 4; draw another shape for slot 4".
std::string clashLine(const ShapeClash& clash, int newer);
