// Learn on a thread of its own, so the window keeps answering, and Apply of what it learned; what the window shows is handed back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "trainer/trainer_outcome.h"

// Starts learning over every example with the rc file, to tell `doneWindow` with kLearnDone
// when it ends; a Learn while one runs is ignored and says nothing.
TrainerOutcome startLearnJob(HWND doneWindow);

// What a finished Learn ended in: its status, its report for the findings pane (empty when it
// could not learn), a status for each slot Learn may not change that takes a learned slot's
// examples, and whether an Apply asked for while it ran is due now.
struct LearnEnd {
    std::string status;
    std::string report;
    std::vector<std::string> takenStatuses;
    bool applyNow;
};
// Takes the finished job (kLearnDone) and keeps it for Apply, and what it found taken for the
// slots' findings; all empty when no job ran.
LearnEnd finishLearnJob();

// Writes the lines the last Learn proposed into the rc file, unless its slots changed since
// that Learn read them, and makes trazzle read them at once; once written, every slot changed
// and another Apply needs another Learn. While a Learn runs, it is only asked for, to be done
// when that Learn ends (LearnEnd::applyNow), and says nothing.
TrainerOutcome applyLearnedJob();

// Stops a running job and drops every job (plugin stop); the learner gives up within moments.
void releaseLearning();
