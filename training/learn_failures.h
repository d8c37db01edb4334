// The examples learned texts still fail, in trazzle-check --learn's words, for the tool and the trainer alike.
#pragma once

#include <string>

#include "engine/gesture_matcher.h"
#include "training/example_folders.h"

// What the plugin launches for `slot` chosen under `config`, in words: "nothing", "slot 0",
// "slot 7 (variant of slot 4)"; with `table` (the rc file's slots) the command's file name
// follows, "slot 0 cmd.exe" (a variant's is its learned slot's).
std::string launchWords(const SlotTexts& config, const GestureTable* table, int slot);

// One line for the example `outcome.files[index]`, which the learned texts get wrong or miss,
// named `name`: "wrong: 4/stroke-001.txt |br| launches slot 0 cmd.exe" or "missed:
// 4/stroke-002.txt |tr| launches nothing".
std::string failureLine(const LearnOutcome& outcome, const GestureTable* table, size_t index, const std::string& name);
