// Slot lines in an rc file's text: where a slot's new key goes, and which lines clearing a slot removes.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/gesture_matcher.h"
#include "rc/rc_file.h"

// Where a slot key that no line holds yet goes (an RcKeyPlace): after the last line of its slot,
// or, when the slot has none, after the last line of any slot, else at the end of the text. A
// key of no slot goes at the end. Keeps a slot's lines together for the person who reads the file.
size_t placeSlotKey(const char* text, size_t size, const char* key);

// What clearing `slot` removes from the text: the gesture, command and argument lines of the
// slot and of its variants (variantOfSlot: slots without examples of their own that start the
// same command with the same argument). A slot with examples of its own is never a variant,
// so clearing one taught gesture leaves another taught gesture of the same program alone.
void clearSlotEdits(const char* text, size_t size, int slot, const bool hasExamples[kGestureSlotCount],
                    std::vector<RcEdit>& edits);

// Clears `slot` in the rc file at `path` in one replace, the lines decided under the writers'
// lock; false, with the reason in `result`, when nothing was written.
bool clearSlotLines(const char* path, int slot, const bool hasExamples[kGestureSlotCount], RcWriteResult& result);
