// The examples learned texts still fail, in trazzle-check --learn's words, for the tool and the trainer alike.
#include "training/learn_failures.h"

std::string launchWords(const SlotTexts& config, const GestureTable* table, int slot) {
    if (slot == kNoSlot) return "nothing";
    int owner = config.owners[slot] == kNoSlot ? slot : config.owners[slot];
    std::string words = textf("slot %d", slot);
    if (owner != slot) words += textf(" (variant of slot %d)", owner);
    // A variant not yet applied has no command of its own in the file: it gets its slot's.
    if (table) words += " " + slotFileName(*table, table->commands[slot][0] ? slot : owner);
    return words;
}

std::string failureLine(const LearnOutcome& outcome, const GestureTable* table, size_t index, const std::string& name) {
    const Example& file = outcome.files[index];
    int slot = chosenSlot(outcome.learned, file.text);
    return std::string(slot == kNoSlot ? "missed: " : "wrong: ") + name + " |" + file.text + "| launches " +
           launchWords(outcome.learned, table, slot);
}
