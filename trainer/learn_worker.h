// Learn on a thread of its own, so the window keeps answering, and Apply of what it learned.
#pragma once

// Starts learning over every example with the rc file; a Learn while one runs is ignored.
void startLearning();
// Takes the finished job (kLearnDone), shows its report and status, and applies it when Apply
// was asked for meanwhile.
void finishLearning();
// Writes the lines the last Learn proposed into the rc file, unless its slots changed since
// that Learn read them, and makes trazzle read them at once. While a Learn runs, it is done
// when that Learn ends.
void applyLearned();
// Stops a running job and drops every job (plugin stop); the learner gives up within moments.
void releaseLearning();
