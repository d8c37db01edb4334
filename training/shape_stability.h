// Which of a slot's examples have fragile shapes: texts that change when the same stroke is drawn a little differently, and examples that disagree.
#pragma once

#include <string>
#include <vector>

#include "training/example_folders.h"

constexpr int kMostUnstableNamed = 10;

// What a slot's findings say of its examples' shapes, each example named by its `file`: when
// they give more than one text, a line counting them ("the examples give 2 texts: |br| 3, |ld|
// 1"), most common first; then a line for each example whose text changes when the stroke is
// drawn again (its `variants`, strokeVariantTexts), with the other texts that gives, most common
// first. A straight up-down or left-right leg wobbles into extra corners where a diagonal one
// holds, and a leg near the tokenizer's 12-pixel step comes and goes, so those lines suggest
// larger shapes with diagonal legs. Past kMostUnstableNamed of those, one line counts the rest.
// Nothing, when every example holds its text.
std::vector<std::string> shapeFindings(const std::vector<Example>& examples);
