// What one of the trainer's actions on files ended in, handed back for its window to show: a status text and what changed.
#pragma once

#include <string>

// Which examples want reading again before the window shows them.
enum TrainerChange {
    kChangedNothing,
    kChangedSelectedSlot,  // the selected slot's examples, or their marks
    kChangedEverySlot,     // the rc file's slots, and with them every slot's examples and findings
};

struct TrainerOutcome {
    std::string status;  // for the host's status line; empty when there is nothing to say
    TrainerChange change;
};
